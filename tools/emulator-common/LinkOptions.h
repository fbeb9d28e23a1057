#pragma once

#include "FaultInjection.h"

#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <functional>

// The serial side of an emulator's command line: port and line settings, Modbus id, injected
// faults and the wire model. Emulators derive their own options from it.
class LinkOptions
{
public:
    // Options this class takes, each with a value.
    static QStringList valuedOptions();
    // Takes one of valuedOptions(); false with a message for an invalid value.
    bool take(const QString &name, const QString &value, QString *error);
    static QString usage();

    // Opens and configures the port; settings a pty refuses leave a warning, not a failure.
    bool openPort(QSerialPort *port, QString *warning, QString *error) const;
    // The fault as configured, armed after the first faultAfter requests.
    FaultInjection armedFault() const;

    // Walks "--name value" and "--name=value": --verbose and --help are flags, the link options
    // are taken here, every name in `own` goes to takeOwn. False with a message otherwise.
    bool parseArguments(const QStringList &arguments, const QStringList &own,
                        const std::function<bool(const QString &name, const QString &value, QString *error)> &takeOwn,
                        QString *error);

    QString port;
    qint32 baud = 115200;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    quint8 slaveId = 1;
    FaultInjection fault;
    int wireBaud = 0; // 0: answer at once
    int faultAfter = 0;
    bool verbose = false;
    bool help = false;
};
