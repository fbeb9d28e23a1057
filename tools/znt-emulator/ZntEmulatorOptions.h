#pragma once

#include "LinkOptions.h"
#include "ZntDeviceImage.h"
#include "ZntDeviceModel.h"

#include <QString>
#include <QStringList>

// The ZNT emulator's command line.
class ZntEmulatorOptions : public LinkOptions
{
public:
    bool parse(const QStringList &arguments, QString *error);
    static QString usage();

    ZntDeviceImage::Model model = ZntDeviceImage::Model::F3;
    QString propertyFile;
    QString stateFile;
    QString writeSimulation;
    int identification = 0xFFFF;
    int driftMs = ZntDeviceModel::kDefaultDriftIntervalMs;
    // 0 plays the model itself; otherwise an EnOcean bridge of this gateway type.
    int gatewayType = 0;

private:
    bool takeOption(const QString &name, const QString &value, QString *error);
};
