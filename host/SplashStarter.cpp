#include "SplashStarter.h"

#include "LogCategory.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSharedMemory>

namespace {
constexpr auto kApplicationName = "Orvane";
}

SplashStarter::SplashStarter(const QString &key, QObject *parent)
    : QObject(parent)
    , m_memory(new QSharedMemory(key, this))
{
}

SplashStarter::~SplashStarter()
{
    releaseSegment();
}

QString SplashStarter::defaultKey()
{
    return QStringLiteral("%1SingleInstance").arg(QLatin1String(kApplicationName));
}

QString SplashStarter::markerArgument()
{
    return QStringLiteral("openBy%1").arg(QLatin1String(kApplicationName));
}

QString SplashStarter::defaultProgram()
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Splash.exe");
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Splash");
#endif
}

bool SplashStarter::holdSegment()
{
    if (m_memory->isAttached())
        return true;
    if (m_memory->create(1))
        return true;
    // Another host is starting, or a crashed one left the segment: attaching still keeps it
    // alive for our splash, and the last detach removes it.
    if (m_memory->error() == QSharedMemory::AlreadyExists && m_memory->attach(QSharedMemory::ReadOnly))
        return true;
    qCWarning(lcHost) << "cannot hold shared memory" << m_memory->key() << m_memory->errorString();
    return false;
}

void SplashStarter::releaseSegment()
{
    if (m_memory->isAttached()) {
        m_memory->detach();
        qCInfo(lcHost) << "released shared memory" << m_memory->key();
    }
}

bool SplashStarter::isHoldingSegment() const
{
    return m_memory->isAttached();
}

bool SplashStarter::start(const QString &program, const QStringList &extraArguments)
{
    const QFileInfo info(program);
    if (!info.exists() || !info.isExecutable()) {
        qCInfo(lcHost) << "no splash launcher at" << program;
        return false;
    }
    // The launcher only looks at its last argument.
    const QStringList arguments = QStringList(extraArguments) << markerArgument();
    if (!QProcess::startDetached(info.absoluteFilePath(), arguments, info.absolutePath())) {
        qCWarning(lcHost) << "splash launcher did not start:" << program;
        return false;
    }
    return true;
}
