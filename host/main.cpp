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
constexpr int kExitStartFailed = 1;
constexpr int kExitUsage = 2;

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    QCoreApplication::setOrganizationName(QStringLiteral("Veltaron"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
}
} // namespace

int main(int argc, char *argv[])
{
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);

    // A GUI application without a display aborts in the platform plugin, so help and version
    // are answered before one exists.
    const HostOptions preview = HostOptions::preview(rawArguments);
    if (preview.helpRequested || preview.versionRequested) {
        QCoreApplication app(argc, argv);
        nameApplication();
        if (preview.helpRequested) {
            // Taken again now that the application object names the program in the usage line.
            QTextStream(stdout) << HostOptions::preview(QCoreApplication::arguments()).helpText;
        } else {
            QTextStream(stdout) << HostOptions::versionText() << Qt::endl;
        }
        return 0;
    }
    if (!HostOptions::displayAvailable(rawArguments)) {
        QTextStream(stderr) << HostOptions::noDisplayHint(rawArguments.value(0, QStringLiteral("Orvane")),
                                                          preview.language)
                            << Qt::endl;
        return kExitStartFailed;
    }

    QGuiApplication app(argc, argv);
    nameApplication();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvane"));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    HostOptions options;
    QString error;
    if (!options.parse(QGuiApplication::arguments(), QGuiApplication::applicationDirPath(), &error)) {
        QTextStream(stderr) << error << Qt::endl << Qt::endl << options.helpText;
        return kExitUsage;
    }
    if (options.helpRequested) {
        QTextStream(stdout) << options.helpText;
        return 0;
    }
    if (options.versionRequested) {
        QTextStream(stdout) << HostOptions::versionText() << Qt::endl;
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
    QObject::connect(
        &host, &HostApplication::finished, &app, [](int code) { QCoreApplication::exit(code); }, Qt::QueuedConnection);

    if (!host.start(options)) {
        QTextStream(stderr) << host.errorText() << Qt::endl;
        return kExitStartFailed;
    }
    return QGuiApplication::exec();
}
