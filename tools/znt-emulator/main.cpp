#include "EmulatorRunner.h"
#include "ZntDeviceImage.h"
#include "ZntDeviceModel.h"
#include "ZntEmulatorOptions.h"
#include "ZntPropertyFields.h"
#include "ZntRegisters.h"
#include "ZntSimulationFile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {
constexpr int kExitUsage = 2;
constexpr int kExitImage = 2;

void printLine(FILE *stream, const QString &text)
{
    EmulatorRunner::printLine(stream, text);
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
        *image = ZntDeviceImage::build(options.model, ZntPropertyFields::builtIn());
    } else {
        QList<ZntDeviceImage::Field> fields;
        if (!ZntPropertyFields::load(options.propertyFile, &fields, error))
            return false;
        *image = ZntDeviceImage::buildFromDefinitions(options.model, fields);
    }
    if (options.gatewayType != 0)
        ZntDeviceImage::makeGateway(*image, quint16(options.gatewayType));
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
    EmulatorRunner::configureLogging(QStringLiteral("znt.emulator"), options.verbose);

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

    EmulatorRunner::Hooks hooks;
    hooks.started = [&model, &options] {
        model.setDriftInterval(options.driftMs);
        writeState(options.stateFile, model.registers());
    };
    hooks.finished = [&model, &options] { writeState(options.stateFile, model.registers()); };
    return EmulatorRunner::run(&model, options, QStringLiteral("znt-emulator"), hooks);
}
