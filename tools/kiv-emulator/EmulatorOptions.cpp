#include "EmulatorOptions.h"

namespace {
// Options of the sensors' own behaviour, each with a value.
const QStringList kSensorOptions{QStringLiteral("--adjust-restart-ms")};
} // namespace

bool EmulatorOptions::parse(const QStringList &arguments, QString *error)
{
    const QStringList own = QStringList{"--registers",        "--variant",    "--state-file",
                                        "--bootloader-image", "--dump-image", "--bootloader-fault"} +
        kSensorOptions;
    const auto takeOwn = [this](const QString &name, const QString &value, QString *message) {
        return takeOption(name, value, message);
    };
    if (!parseArguments(arguments, own, takeOwn, error))
        return false;
    if (!help && port.isEmpty() && dumpImage.isEmpty()) {
        *error = QStringLiteral("--port is required");
        return false;
    }
    return true;
}

bool EmulatorOptions::takeOption(const QString &name, const QString &value, QString *error)
{
    bool ok = false;
    if (name == QLatin1String("--registers")) {
        registersFile = value;
    } else if (name == QLatin1String("--variant")) {
        if (!KivDefaultImage::parseVariant(value, &variant)) {
            *error = QStringLiteral("unknown variant '%1' (%2)")
                         .arg(value, KivDefaultImage::variantNames().join(QLatin1String(", ")));
            return false;
        }
    } else if (name == QLatin1String("--state-file")) {
        stateFile = value;
    } else if (name == QLatin1String("--bootloader-image")) {
        bootloaderImage = value;
    } else if (name == QLatin1String("--bootloader-fault")) {
        if (!bootloaderFault.parse(value, error))
            return false;
    } else if (name == QLatin1String("--dump-image")) {
        dumpImage = value;
    } else if (name == QLatin1String("--adjust-restart-ms")) {
        adjustRestartMs = value.toInt(&ok);
        if (!ok || adjustRestartMs < 0) {
            *error = QStringLiteral("invalid restart time '%1'").arg(value);
            return false;
        }
    }
    return true;
}

QString EmulatorOptions::usage()
{
    return QStringLiteral("Usage: kiv-emulator --port PATH [--baud 115200] [--parity none|even|odd] [--id 1]\n"
                          "                    [--registers FILE] [--variant standard|relay|modbus|bacnet|lora|qev]\n"
                          "                    [--state-file FILE] [--bootloader-image FILE] [--fault KIND]\n"
                          "                    [--dump-image FILE] [--adjust-restart-ms 3000]\n"
                          "                    [--bootloader-fault KIND] [--wire-baud N] [--fault-after N]\n"
                          "                    [--verbose]\n"
                          "Behaves like a KIV room sensor (Modbus RTU slave) on a serial port.\n"
                          "Bootloader faults: none, no-presence, wrong-words:N, drop-mid-page:P.\n") +
        LinkOptions::usage();
}
