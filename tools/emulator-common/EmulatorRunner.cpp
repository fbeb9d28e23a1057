#include "EmulatorRunner.h"

#include "LinkOptions.h"
#include "RtuServer.h"
#include "SignalWatcher.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSerialPort>

Q_LOGGING_CATEGORY(lcEmulatorLine, "emulator.line")

namespace {
constexpr int kExitPort = 2;
}

int EmulatorRunner::run(RegisterDevice *device, const LinkOptions &options, const QString &program, const Hooks &hooks)
{
    QSerialPort port;
    QString warning;
    QString error;
    if (!options.openPort(&port, &warning, &error)) {
        printLine(stderr, QStringLiteral("%1: %2").arg(program, error));
        return kExitPort;
    }
    if (!warning.isEmpty())
        printLine(stderr, QStringLiteral("%1: %2").arg(program, warning));
    QObject::connect(&port, &QSerialPort::errorOccurred, &port, [&port](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::NoError)
            qCWarning(lcEmulatorLine) << "serial port error:" << port.errorString();
    });

    RtuServer server(device, options.slaveId);
    server.setMarker(hooks.marker);
    server.setFault(options.armedFault());
    server.setWireModel(WireModel(options.wireBaud));
    server.attach(&port);

    SignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested, QCoreApplication::instance(),
                     &QCoreApplication::quit);

    if (hooks.started)
        hooks.started();
    printLine(stdout, QStringLiteral("READY"));
    qCInfo(lcEmulatorLine).noquote() << QStringLiteral("listening on %1, id %2").arg(options.port).arg(options.slaveId);

    const int rc = QCoreApplication::exec();
    server.attach(nullptr);
    port.close();
    if (hooks.finished)
        hooks.finished();
    return rc;
}

void EmulatorRunner::configureLogging(const QString &programCategory, bool verbose)
{
    // Debug output is on by default for our categories; every frame would be logged.
    QString rules;
    for (const QString &category : {programCategory, QStringLiteral("emulator")}) {
        if (verbose)
            rules += QStringLiteral("%1*.debug=true\n").arg(category);
        else
            rules += QStringLiteral("%1*.debug=false\n%1*.info=false\n").arg(category);
    }
    QLoggingCategory::setFilterRules(rules);
}

void EmulatorRunner::printLine(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}
