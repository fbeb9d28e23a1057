#pragma once

#include "BootloaderFault.h"
#include "FaultInjection.h"
#include "KivDefaultImage.h"
#include "KivDeviceModel.h"

#include <QSerialPort>
#include <QString>
#include <QStringList>

// The emulator's command line.
class EmulatorOptions
{
public:
    bool parse(const QStringList &arguments, QString *error);
    static QString usage();

    QString port;
    qint32 baud = 115200;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    quint8 slaveId = 1;
    QString registersFile;
    KivDefaultImage::Variant variant = KivDefaultImage::Variant::Standard;
    QString stateFile;
    QString bootloaderImage;
    BootloaderFault bootloaderFault;
    FaultInjection fault;
    QString dumpImage;
    int adjustRestartMs = KivDeviceModel::kDefaultAdjustmentSilenceMs;
    int wireBaud = 0; // 0: answer at once
    int faultAfter = 0;
    bool verbose = false;
    bool help = false;
};
