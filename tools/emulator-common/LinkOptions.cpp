#include "LinkOptions.h"

namespace {
constexpr int kMinId = 1;
constexpr int kMaxId = 247;
} // namespace

QStringList LinkOptions::valuedOptions()
{
    return {QStringLiteral("--port"),     QStringLiteral("--baud"),  QStringLiteral("--parity"),
            QStringLiteral("--id"),       QStringLiteral("--fault"), QStringLiteral("--fault-after"),
            QStringLiteral("--wire-baud")};
}

bool LinkOptions::take(const QString &name, const QString &value, QString *error)
{
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
    } else if (name == QLatin1String("--fault")) {
        return fault.parse(value, error);
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
    } else {
        *error = QStringLiteral("unknown option '%1'").arg(name);
        return false;
    }
    return true;
}

bool LinkOptions::parseArguments(
    const QStringList &arguments, const QStringList &own,
    const std::function<bool(const QString &name, const QString &value, QString *error)> &takeOwn, QString *error)
{
    const QStringList link = valuedOptions();
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
        if (!link.contains(name) && !own.contains(name)) {
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
        if (!(link.contains(name) ? take(name, value, error) : takeOwn(name, value, error)))
            return false;
    }
    return true;
}

QString LinkOptions::usage()
{
    return QStringLiteral("Faults: none, noreply, badcrc, exception:N, late:MS, drop-after:N, garbage.\n"
                          "--fault-after N answers the first N requests before the fault strikes.\n"
                          "--wire-baud N holds each answer until it would have crossed an N baud line.\n");
}

bool LinkOptions::openPort(QSerialPort *serial, QString *warning, QString *error) const
{
    serial->setPortName(port);
    if (!serial->open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("cannot open port %1: %2").arg(port, serial->errorString());
        return false;
    }
    // A pty accepts no parity setting; the line still works, so only warn.
    if (!serial->setBaudRate(baud) || !serial->setDataBits(QSerialPort::Data8) || !serial->setParity(parity) ||
        !serial->setStopBits(QSerialPort::OneStop) || !serial->setFlowControl(QSerialPort::NoFlowControl)) {
        *warning = QStringLiteral("warning: port settings not fully applied: %1").arg(serial->errorString());
        serial->clearError();
    }
    // A device that was off heard nothing; bytes a pty kept while no one listened are dropped.
    serial->clear(QSerialPort::Input);
    return true;
}

FaultInjection LinkOptions::armedFault() const
{
    FaultInjection armed = fault;
    armed.setStartAfter(faultAfter);
    return armed;
}
