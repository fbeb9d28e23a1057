#pragma once

#include "BaseSettings.h"

// The ZNT plugin's own persistent setting, next to the serial settings every plugin shares.
class NemtraSettings : public BaseSettings
{
    Q_OBJECT
    Q_PROPERTY(bool updateOnShow READ updateOnShow WRITE setUpdateOnShow NOTIFY updateOnShowChanged)

public:
    explicit NemtraSettings(QObject *parent = nullptr);

    bool updateOnShow() const;
    void setUpdateOnShow(bool updateOnShow);

    static inline const QString kKeyUpdateOnShow = QStringLiteral("General/updateOnShow");

signals:
    void updateOnShowChanged(bool updateOnShow);
};
