#include "ZntEmulatorOptions.h"

bool ZntEmulatorOptions::parse(const QStringList &arguments, QString *error)
{
    const QStringList own{"--model",          "--property-file", "--state-file",  "--write-simulation",
                          "--identification", "--drift-ms",      "--gateway-type"};
    const auto takeOwn = [this](const QString &name, const QString &value, QString *message) {
        return takeOption(name, value, message);
    };
    if (!parseArguments(arguments, own, takeOwn, error))
        return false;
    if (!help && port.isEmpty() && writeSimulation.isEmpty()) {
        *error = QStringLiteral("--port is required");
        return false;
    }
    return true;
}

bool ZntEmulatorOptions::takeOption(const QString &name, const QString &value, QString *error)
{
    bool ok = false;
    if (name == QLatin1String("--model")) {
        if (!ZntDeviceImage::parseModel(value, &model)) {
            *error = QStringLiteral("unknown model '%1' (%2)")
                         .arg(value, ZntDeviceImage::modelNames().join(QLatin1String(", ")));
            return false;
        }
    } else if (name == QLatin1String("--property-file")) {
        propertyFile = value;
    } else if (name == QLatin1String("--state-file")) {
        stateFile = value;
    } else if (name == QLatin1String("--write-simulation")) {
        writeSimulation = value;
    } else if (name == QLatin1String("--identification")) {
        identification = value.toInt(&ok, 0);
        if (!ok || identification < 0 || identification > 0xFFFF) {
            *error = QStringLiteral("invalid identification word '%1' (0..65535)").arg(value);
            return false;
        }
    } else if (name == QLatin1String("--drift-ms")) {
        driftMs = value.toInt(&ok);
        if (!ok || driftMs < 0) {
            *error = QStringLiteral("invalid drift interval '%1'").arg(value);
            return false;
        }
    } else if (name == QLatin1String("--gateway-type")) {
        gatewayType = value.toInt(&ok, 0);
        if (!ok || gatewayType < 0 || gatewayType > 0xFFFF) {
            *error = QStringLiteral("invalid gateway type '%1' (0..65535)").arg(value);
            return false;
        }
    }
    return true;
}

QString ZntEmulatorOptions::usage()
{
    return QStringLiteral("Usage: znt-emulator --port PATH [--baud 115200] [--parity none|even|odd] [--id 1]\n"
                          "                    [--model F3|VTX] [--property-file FILE] [--state-file FILE]\n"
                          "                    [--identification 65535] [--drift-ms 1000] [--gateway-type 0]\n"
                          "                    [--fault KIND] [--fault-after N] [--wire-baud N] [--verbose]\n"
                          "       znt-emulator --write-simulation FILE [--model F3|VTX] [--property-file FILE]\n"
                          "Behaves like a ZNT device on its USB register interface (Modbus RTU slave).\n"
                          "--write-simulation writes the device's register image as a simulation file and ends.\n"
                          "--identification sets register 10 (anything but 65535 plays a foreign device).\n"
                          "--drift-ms 0 keeps the live values still.\n"
                          "--gateway-type 1 plays a LoRaWAN-EnOcean bridge with a few filters set.\n") +
        LinkOptions::usage();
}
