#include "SplashLauncher.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QSharedMemory>
#include <QTimer>
#include <QUrl>

Q_LOGGING_CATEGORY(lcSplash, "orvane.splash")

namespace {
const auto ApplicationName = QStringLiteral("Orvane");
const auto MakerName = QStringLiteral("Veltaron");
const QChar Blank = QLatin1Char(' ');
} // namespace

QString SplashLauncher::markerArgument()
{
    return QStringLiteral("openBy%1").arg(ApplicationName, 0, Blank);
}

QString SplashLauncher::sharedMemoryKey()
{
    return QStringLiteral("%1SingleInstance").arg(ApplicationName, 0, Blank);
}

QString SplashLauncher::windowTitle()
{
    return QStringLiteral("%1 - %2").arg(ApplicationName, 0, Blank).arg(MakerName, 0, Blank);
}

int SplashLauncher::run(int &argc, char **argv)
{
    const QString marker = markerArgument();
    const QString key = sharedMemoryKey();
    const QString title = windowTitle();

    // Read once when the scene graph starts, so it must be in place before the app exists.
    qputenv("QSG_RHI", "1");

    QGuiApplication app(argc, argv);

    // Only the host appends the marker; started by hand, the program does nothing.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.isEmpty() || arguments.last() != marker)
        return NotStartedByHost;

    QGuiApplication::setApplicationDisplayName(title);

    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/ZoSplash.qml")));
    // Without its page the splash still waits for the host, it just shows nothing.
    if (engine.rootObjects().isEmpty())
        qCWarning(lcSplash) << "Splash page could not be loaded";
    else
        qCDebug(lcSplash) << "Splash page shown";

    auto *segment = new QSharedMemory(key, &app);

    // Attaching (never creating) tells whether the host still holds its segment; detaching
    // right away keeps the splash from keeping the segment alive once the host lets go.
    QTimer poll;
    poll.setInterval(PollIntervalMs);
    QObject::connect(&poll, &QTimer::timeout, &app, [segment] {
        if (!segment->attach(QSharedMemory::ReadOnly)) {
            qCDebug(lcSplash) << "Segment" << segment->key() << "gone:" << segment->errorString();
            QCoreApplication::quit();
        } else {
            qCDebug(lcSplash) << "Segment" << segment->key() << "held";
        }
        segment->detach();
    });
    poll.start();

    return app.exec();
}
