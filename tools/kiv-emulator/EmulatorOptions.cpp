#include "EmulatorOptions.h"

namespace {
// Options of the sensors' own behaviour, each with a value.
const QStringList kSensorOptions{QStringLiteral("--adjust-restart-ms")};
} // namespace

bool EmulatorOptions::parse(const QStringList &arguments, QString *error)
{
    const QStringList link = LinkOptions::valuedOptions();
    const QStringList valued = link + QStringList{"--registers",        "--variant",    "--state-file",
                                                  "--bootloader-image", "--dump-image", "--bootloader-fault"};
    for (int i = 1; i < arguments.size(); ++i) {
        QString name = arguments.at(i);
        QString value;
        bool hasValue = false;
        if (name.startsWith(QLatin1String("--")) && name.contains(QLatin1Char('='))) {
            value = name.section(QLatin1Char('='), 1);
            name = name.section(QLatin1Char('='), 0, 0);
            hasValue = true;
        }
        if (name == QLatin1String("--verbose")) {
            verbose = true;
            continue;
        }
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            help = true;
            continue;
        }
        if (!valued.contains(name) && !kSensorOptions.contains(name)) {
            *error = QStringLiteral("unknown option '%1'").arg(arguments.at(i));
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("option %1 needs a value").arg(name);
                return false;
            }
            value = arguments.at(++i);
        }

        bool ok = false;
        if (link.contains(name)) {
            if (!take(name, value, error))
                return false;
        } else if (name == QLatin1String("--registers")) {
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
    }
    if (!help && port.isEmpty() && dumpImage.isEmpty()) {
        *error = QStringLiteral("--port is required");
        return false;
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
