#include "EmulatorOptions.h"

namespace {
constexpr int kMinId = 1;
constexpr int kMaxId = 247;
// Options of the sensors' own behaviour, each with a value.
const QStringList kSensorOptions{QStringLiteral("--adjust-restart-ms")};
} // namespace

bool EmulatorOptions::parse(const QStringList &arguments, QString *error)
{
    const QStringList valued{"--port",       "--baud",       "--parity",           "--id",
                             "--registers",  "--variant",    "--state-file",       "--bootloader-image",
                             "--fault",      "--dump-image", "--bootloader-fault", "--wire-baud",
                             "--fault-after"};
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
        if (name == QLatin1String("--port")) {
            port = value;
        } else if (name == QLatin1String("--baud")) {
            baud = value.toInt(&ok);
            if (!ok || baud <= 0) {
                *error = QStringLiteral("invalid baud rate '%1'").arg(value);
                return false;
            }
        } else if (name == QLatin1String("--parity")) {
            const QString p = value.toLower();
            if (p == QLatin1String("none"))
                parity = QSerialPort::NoParity;
            else if (p == QLatin1String("even"))
                parity = QSerialPort::EvenParity;
            else if (p == QLatin1String("odd"))
                parity = QSerialPort::OddParity;
            else {
                *error = QStringLiteral("invalid parity '%1' (none, even, odd)").arg(value);
                return false;
            }
        } else if (name == QLatin1String("--id")) {
            const int id = value.toInt(&ok);
            if (!ok || id < kMinId || id > kMaxId) {
                *error = QStringLiteral("invalid Modbus id '%1' (%2..%3)").arg(value).arg(kMinId).arg(kMaxId);
                return false;
            }
            slaveId = quint8(id);
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
        } else if (name == QLatin1String("--fault")) {
            if (!fault.parse(value, error))
                return false;
        } else if (name == QLatin1String("--bootloader-fault")) {
            if (!bootloaderFault.parse(value, error))
                return false;
        } else if (name == QLatin1String("--dump-image")) {
            dumpImage = value;
        } else if (name == QLatin1String("--fault-after")) {
            const int count = value.toInt(&ok);
            if (!ok || count < 0) {
                *error = QStringLiteral("invalid request count '%1'").arg(value);
                return false;
            }
            faultAfter = count;
        } else if (name == QLatin1String("--wire-baud")) {
            wireBaud = value.toInt(&ok);
            if (!ok || wireBaud < 0) {
                *error = QStringLiteral("invalid wire baud rate '%1'").arg(value);
                return false;
            }
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
                          "Faults: none, noreply, badcrc, exception:N, late:MS, drop-after:N, garbage.\n"
                          "Bootloader faults: none, no-presence, wrong-words:N, drop-mid-page:P.\n"
                          "--fault-after N answers the first N requests before the fault strikes.\n"
                          "--wire-baud N holds each answer until it would have crossed an N baud line.\n");
}
