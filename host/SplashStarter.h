#pragma once

#include <QObject>
#include <QString>

class QSharedMemory;

// Starts the splash launcher and holds the shared-memory segment it watches: the splash
// ends by itself once the segment is gone, so releasing it is how the host dismisses it.
class SplashStarter : public QObject
{
    Q_OBJECT
public:
    explicit SplashStarter(const QString &key = defaultKey(), QObject *parent = nullptr);
    ~SplashStarter() override;

    static QString defaultKey();
    static QString markerArgument();
    // "Splash" next to the host executable.
    static QString defaultProgram();

    bool holdSegment();
    void releaseSegment();
    bool isHoldingSegment() const;

    // False when the program is missing or would not start; the host runs on without it.
    bool start(const QString &program = defaultProgram(), const QStringList &extraArguments = {});

private:
    QSharedMemory *m_memory = nullptr;
};
