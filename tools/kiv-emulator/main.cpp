#include "EmulatorOptions.h"
#include "EmulatorRunner.h"
#include "KivDefaultImage.h"
#include "KivDeviceModel.h"
#include "RegisterImageFile.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSaveFile>

Q_LOGGING_CATEGORY(lcEmulator, "kiv.emulator")

namespace {
constexpr int kExitUsage = 2;
constexpr int kExitRegisters = 2;

void printLine(FILE *stream, const QString &text)
{
    EmulatorRunner::printLine(stream, text);
}

void writeState(const QString &path, const QList<quint16> &registers)
{
    if (path.isEmpty())
        return;
    QString error;
    if (!RegisterImageFile::save(path, registers, &error))
        printLine(stderr, QStringLiteral("kiv-emulator: %1").arg(error));
}

void writeBootloaderImage(const QString &path, const QByteArray &image)
{
    if (path.isEmpty()) {
        printLine(
            stdout,
            QStringLiteral("bootloader: finished, %1 bytes received (no --bootloader-image given)").arg(image.size()));
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        printLine(stderr,
                  QStringLiteral("kiv-emulator: cannot write bootloader image %1: %2").arg(path, file.errorString()));
        return;
    }
    printLine(stdout, QStringLiteral("bootloader: finished, %1 bytes written to %2").arg(image.size()).arg(path));
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kiv-emulator"));

    EmulatorOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), &error)) {
        printLine(stderr, QStringLiteral("kiv-emulator: %1\n%2").arg(error, EmulatorOptions::usage()));
        return kExitUsage;
    }
    if (options.help) {
        printLine(stdout, EmulatorOptions::usage());
        return 0;
    }
    EmulatorRunner::configureLogging(QStringLiteral("kiv.emulator"), options.verbose);

    QList<quint16> image;
    if (!options.registersFile.isEmpty()) {
        if (!RegisterImageFile::load(options.registersFile, &image, &error)) {
            printLine(stderr, QStringLiteral("kiv-emulator: %1").arg(error));
            return kExitRegisters;
        }
    } else {
        image = KivDefaultImage::build(options.variant);
    }

    if (!options.dumpImage.isEmpty()) {
        if (!RegisterImageFile::save(options.dumpImage, image, &error)) {
            printLine(stderr, QStringLiteral("kiv-emulator: %1").arg(error));
            return kExitRegisters;
        }
        return 0;
    }

    KivDeviceModel model(image);
    QObject::connect(&model, &KivDeviceModel::registersChanged, &model,
                     [&model, &options] { writeState(options.stateFile, model.registers()); });
    QObject::connect(&model, &KivDeviceModel::diagnostic, &model,
                     [](const QString &text) { qCInfo(lcEmulator).noquote() << text; });
    QObject::connect(&model, &KivDeviceModel::adjusted, &model, [](const QStringList &report) {
        for (const QString &line : report)
            printLine(stdout, line);
    });
    model.setAdjustmentSilenceMs(options.adjustRestartMs);
    QObject::connect(&model, &KivDeviceModel::bootloaderEntered, &model,
                     [] { printLine(stdout, QStringLiteral("bootloader: active")); });
    QObject::connect(&model, &KivDeviceModel::bootloaderEvent, &model,
                     [](const QString &text) { printLine(stdout, QStringLiteral("bootloader: %1").arg(text)); });
    model.setBootloaderFault(options.bootloaderFault);
    QObject::connect(&model, &KivDeviceModel::bootloaderFinished, &model,
                     [&options](const QByteArray &data) { writeBootloaderImage(options.bootloaderImage, data); });

    EmulatorRunner::Hooks hooks;
    hooks.marker = KivDeviceModel::bootloaderEntryText();
    hooks.started = [&model, &options] {
        model.setDriftEnabled(true);
        writeState(options.stateFile, model.registers());
    };
    hooks.finished = [&model, &options] { writeState(options.stateFile, model.registers()); };
    return EmulatorRunner::run(&model, options, QStringLiteral("kiv-emulator"), hooks);
}
