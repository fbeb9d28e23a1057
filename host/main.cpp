#include "HostApplication.h"
#include "HostOptions.h"
#include "LogCategory.h"
#include "SingleInstance.h"
#include "SplashStarter.h"

#include <QGuiApplication>
#include <QQuickStyle>
#include <QTextStream>
#include <QTimer>

namespace {
// Let the splash go even if no frame ever arrives (minimised start, broken GPU driver).
constexpr int kSplashFallbackMs = 15000;
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Orvane"));
    QGuiApplication::setOrganizationName(QStringLiteral("Veltaron"));
    QGuiApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvane"));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    HostOptions options;
    QString error;
    if (!options.parse(QGuiApplication::arguments(), QGuiApplication::applicationDirPath(), &error)) {
        QTextStream(stderr) << error << Qt::endl << Qt::endl << options.helpText;
        return 2;
    }
    if (options.helpRequested) {
        QTextStream(stdout) << options.helpText;
        return 0;
    }
    if (options.versionRequested) {
        QTextStream(stdout) << "Orvane " << ORVANE_VERSION << Qt::endl;
        return 0;
    }

    // Unattended runs (screenshots, tour) are scripted captures: they neither hand over to
    // nor take over from an interactive host.
    SingleInstance instance(SingleInstance::defaultServerName());
    if (!options.runsUnattended()) {
        if (instance.sendToRunning(QGuiApplication::arguments())) {
            qCInfo(lcHost) << "handed over to the running instance";
            return 0;
        }
        if (!instance.listen())
            qCWarning(lcHost) << "running without single-instance server";
    }

    SplashStarter splash;
    splash.holdSegment();
    if (!options.noSplash)
        splash.start();

    HostApplication host;
    QObject::connect(&host, &HostApplication::windowShown, &splash, &SplashStarter::releaseSegment);
    QTimer::singleShot(kSplashFallbackMs, &splash, &SplashStarter::releaseSegment);
    QObject::connect(&instance, &SingleInstance::argumentsReceived, &host, &HostApplication::handleArguments);
    QObject::connect(&host, &HostApplication::finished, &app, [](int code) { QCoreApplication::exit(code); },
                     Qt::QueuedConnection);

    if (!host.start(options)) {
        QTextStream(stderr) << host.errorText() << Qt::endl;
        return 1;
    }
    return QGuiApplication::exec();
}
