#include "RtuServer.h"
#include "SignalWatcher.h"
#include "ZntDeviceImage.h"
#include "ZntDeviceModel.h"
#include "ZntEmulatorOptions.h"
#include "ZntPropertyFields.h"
#include "ZntRegisters.h"
#include "ZntSimulationFile.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QSerialPort>

#include <cstdio>

Q_LOGGING_CATEGORY(lcZntEmulator, "znt.emulator")

namespace {
constexpr int kExitUsage = 2;
constexpr int kExitPort = 2;
constexpr int kExitImage = 2;

void printLine(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

// One decimal value per line, register 0 first; atomic so a reader never sees half a file.
void writeState(const QString &path, const QList<quint16> &registers)
{
    if (path.isEmpty())
        return;
    QByteArray text;
    text.reserve(registers.size() * 3);
    for (const quint16 v : registers) {
        text.append(QByteArray::number(v));
        text.append('\n');
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        printLine(stderr, QStringLiteral("znt-emulator: cannot write %1: %2").arg(path, file.errorString()));
}

bool buildImage(const ZntEmulatorOptions &options, QList<quint16> *image, QString *error)
{
    if (options.propertyFile.isEmpty()) {
        *image = ZntDeviceImage::build(options.model);
    } else {
        QList<ZntDeviceImage::Field> fields;
        if (!ZntPropertyFields::load(options.propertyFile, &fields, error))
            return false;
        *image = ZntDeviceImage::build(options.model, fields);
    }
    (*image)[ZntRegisters::kIdentification] = quint16(options.identification);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("znt-emulator"));

    ZntEmulatorOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), &error)) {
        printLine(stderr, QStringLiteral("znt-emulator: %1\n%2").arg(error, ZntEmulatorOptions::usage()));
        return kExitUsage;
    }
    if (options.help) {
        printLine(stdout, ZntEmulatorOptions::usage());
        return 0;
    }
    // Debug output is on by default for our categories; every frame would be logged.
    QLoggingCategory::setFilterRules(options.verbose ? QStringLiteral("znt.emulator*.debug=true\n"
                                                                      "emulator*.debug=true")
                                                     : QStringLiteral("znt.emulator*.debug=false\n"
                                                                      "znt.emulator*.info=false\n"
                                                                      "emulator*.debug=false\n"
                                                                      "emulator*.info=false"));

    QList<quint16> image;
    if (!buildImage(options, &image, &error)) {
        printLine(stderr, QStringLiteral("znt-emulator: %1").arg(error));
        return kExitImage;
    }
    if (!options.writeSimulation.isEmpty()) {
        if (!ZntSimulationFile::save(options.writeSimulation, image, &error)) {
            printLine(stderr, QStringLiteral("znt-emulator: %1").arg(error));
            return kExitImage;
        }
        return 0;
    }

    ZntDeviceModel model(image);
    QObject::connect(&model, &ZntDeviceModel::registersChanged, &model,
                     [&model, &options] { writeState(options.stateFile, model.registers()); });
    QObject::connect(&model, &ZntDeviceModel::stored, &model,
                     [] { printLine(stdout, QStringLiteral("store: configuration kept in non-volatile memory")); });

    QSerialPort port;
    QString warning;
    if (!options.openPort(&port, &warning, &error)) {
        printLine(stderr, QStringLiteral("znt-emulator: %1").arg(error));
        return kExitPort;
    }
    if (!warning.isEmpty())
        printLine(stderr, QStringLiteral("znt-emulator: %1").arg(warning));
    QObject::connect(&port, &QSerialPort::errorOccurred, &port, [&port](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::NoError)
            qCWarning(lcZntEmulator) << "serial port error:" << port.errorString();
    });

    RtuServer server(&model, options.slaveId);
    server.setFault(options.armedFault());
    server.setWireModel(WireModel(options.wireBaud));
    server.attach(&port);
    model.setDriftInterval(options.driftMs);

    SignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested, &app, &QCoreApplication::quit);

    writeState(options.stateFile, model.registers());
    printLine(stdout, QStringLiteral("READY"));
    qCInfo(lcZntEmulator).noquote() << QStringLiteral("%1 device on %2, id %3")
                                           .arg(ZntDeviceImage::modelName(options.model), options.port)
                                           .arg(options.slaveId);

    const int rc = app.exec();
    server.attach(nullptr);
    port.close();
    writeState(options.stateFile, model.registers());
    return rc;
}
