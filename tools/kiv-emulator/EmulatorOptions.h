#pragma once

#include "BootloaderFault.h"
#include "KivDefaultImage.h"
#include "KivDeviceModel.h"
#include "LinkOptions.h"

#include <QString>
#include <QStringList>

// The emulator's command line.
class EmulatorOptions : public LinkOptions
{
public:
    bool parse(const QStringList &arguments, QString *error);
    static QString usage();

    QString registersFile;
    KivDefaultImage::Variant variant = KivDefaultImage::Variant::Standard;
    QString stateFile;
    QString bootloaderImage;
    BootloaderFault bootloaderFault;
    QString dumpImage;
    int adjustRestartMs = KivDeviceModel::kDefaultAdjustmentSilenceMs;

private:
    bool takeOption(const QString &name, const QString &value, QString *error);
};
