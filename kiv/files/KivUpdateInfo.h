#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>

// One entry of the firmware update list: the device family it serves, where its two images
// lie and which versions they carry.
class KivUpdateInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString deviceName READ deviceName WRITE setDeviceName NOTIFY deviceNameChanged)
    Q_PROPERTY(QUrl urlGp READ urlGp WRITE setUrlGp NOTIFY urlGpChanged)
    Q_PROPERTY(QUrl urlAp READ urlAp WRITE setUrlAp NOTIFY urlApChanged)
    Q_PROPERTY(double versionGp READ versionGp WRITE setVersionGp NOTIFY versionGpChanged)
    Q_PROPERTY(double versionAp READ versionAp WRITE setVersionAp NOTIFY versionApChanged)
    Q_PROPERTY(int progDelay READ progDelay WRITE setProgDelay NOTIFY progDelayChanged)
    Q_PROPERTY(int check1 READ check1 WRITE setCheck1 NOTIFY check1Changed)
    Q_PROPERTY(int check2 READ check2 WRITE setCheck2 NOTIFY check2Changed)

public:
    explicit KivUpdateInfo(QObject *parent = nullptr);
    // Missing keys leave the empty defaults.
    KivUpdateInfo(const QJsonObject &entry, QObject *parent);

    QString deviceName() const;
    QUrl urlGp() const;
    QUrl urlAp() const;
    double versionGp() const;
    double versionAp() const;
    int progDelay() const;
    int check1() const;
    int check2() const;

public slots:
    void setDeviceName(const QString &deviceName);
    void setUrlGp(const QUrl &urlGp);
    void setUrlAp(const QUrl &urlAp);
    void setVersionGp(double versionGp);
    void setVersionAp(double versionAp);
    void setProgDelay(int progDelay);
    void setCheck1(int check1);
    void setCheck2(int check2);

signals:
    void deviceNameChanged();
    void urlGpChanged();
    void urlApChanged();
    void versionGpChanged();
    void versionApChanged();
    void progDelayChanged();
    void check1Changed();
    void check2Changed();

private:
    QString m_deviceName;
    QUrl m_urlGp;
    QUrl m_urlAp;
    double m_versionGp = 0;
    double m_versionAp = 0;
    int m_progDelay = 0;
    int m_check1 = 0;
    int m_check2 = 0;
};
