#pragma once

#include "BaseSettings.h"
#include "NemtraEnums.h"

// The ZNT plugin's own persistent setting, next to the serial settings every plugin shares.
class NemtraSettings : public BaseSettings, public NemtraEnums
{
    Q_OBJECT
    Q_PROPERTY(bool updateOnShow READ updateOnShow WRITE setUpdateOnShow NOTIFY updateOnShowChanged)
    // The shared serial answer time-out and retries, with the defaults of ZNT devices.
    Q_PROPERTY(int connectTimeout READ connectTimeout WRITE setConnectTimeout NOTIFY connectTimeoutChanged)
    Q_PROPERTY(int connectRetries READ connectRetries WRITE setConnectRetries NOTIFY connectRetriesChanged)

public:
    explicit NemtraSettings(QObject *parent = nullptr);

    bool updateOnShow() const;
    void setUpdateOnShow(bool updateOnShow);
    int connectTimeout() const;
    void setConnectTimeout(int milliseconds);
    int connectRetries() const;
    void setConnectRetries(int retries);

    static inline const QString kKeyUpdateOnShow = QStringLiteral("General/updateOnShow");
    static constexpr int kDefaultConnectTimeout = 500; // ms
    static constexpr int kDefaultConnectRetries = 1;

signals:
    void updateOnShowChanged(bool updateOnShow);
    void connectTimeoutChanged();
    void connectRetriesChanged();
};
