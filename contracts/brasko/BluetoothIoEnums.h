#pragma once

#include "BraskoGlobal.h"

#include <QObject>

// Vocabulary shared by the serial link and the (mobile) Bluetooth transport.
class BRASKO_EXPORT BluetoothIoEnums
{
    Q_GADGET

public:
    // What the answers of the link are meant for; the device plugins route answers by it.
    enum OperationMode { Normal = 1, BootLoader = 2, Identification = 4 };
    Q_ENUM(OperationMode)

    enum ServiceErrors {
        NoServiceError = 0,
        ServiceNotFound,
        ServiceConnectFailed,
        ServiceDisconnected,
        CharacteristicNotFound,
        ServiceWriteFailed,
        ServiceReadFailed,
        UnknownServiceError
    };
    Q_ENUM(ServiceErrors)
};
