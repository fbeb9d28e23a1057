#pragma once

#include <QObject>

// Progress, rate and activity of a firmware upload, as the pages bind to them. The upload
// logic lives in BootLoader.
class BootLoaderProperty : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int maxProgress READ maxProgress WRITE setMaxProgress NOTIFY maxProgressChanged)
    Q_PROPERTY(int curProgress READ curProgress WRITE setCurProgress NOTIFY curProgressChanged)
    Q_PROPERTY(double bytesPerSec READ bytesPerSec WRITE setBytesPerSec NOTIFY bytesPerSecChanged)
    Q_PROPERTY(int maxBytes READ maxBytes WRITE setMaxBytes NOTIFY maxBytesChanged)
    Q_PROPERTY(int curBytes READ curBytes WRITE setCurBytes NOTIFY curBytesChanged)
    Q_PROPERTY(bool blActive READ blActive WRITE setBlActive NOTIFY blActiveChanged)
    Q_PROPERTY(int remainingTime READ remainingTime WRITE setRemainingTime NOTIFY remainingTimeChanged)

public:
    enum state { invalid = 0, startBL = 1, writeData = 2, finished = 3, checkBlActive = 4, readInfo = 5, NextPage = 6 };
    Q_ENUM(state)

    explicit BootLoaderProperty(QObject *parent = nullptr);

    int maxProgress() const;
    int curProgress() const;
    double bytesPerSec() const;
    int maxBytes() const;
    int curBytes() const;
    bool blActive() const;
    // Seconds.
    int remainingTime() const;

public slots:
    void setMaxProgress(int maxProgress);
    void setCurProgress(int curProgress);
    void setBytesPerSec(double bytesPerSec);
    void setMaxBytes(int maxBytes);
    void setCurBytes(int curBytes);
    void setBlActive(bool blActive);
    void setRemainingTime(int remainingTime);

signals:
    void maxProgressChanged(int maxProgress);
    void curProgressChanged(int curProgress);
    void bytesPerSecChanged(double bytesPerSec);
    void maxBytesChanged();
    void curBytesChanged();
    void blActiveChanged();
    void remainingTimeChanged(int remainingTime);

private:
    int m_maxProgress = 100;
    int m_curProgress = 0;
    double m_bytesPerSec = 0;
    int m_maxBytes = 100;
    int m_curBytes = 0;
    bool m_blActive = false;
    int m_remainingTime = 0;
};
