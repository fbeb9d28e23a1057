#pragma once

#include "BaseContainer.h"

#include <QList>
#include <QObject>

// LoRaWAN identity and parameters (registers 146 .. 205). Created on the first read whatever the
// board and fed after every read.
class KivLoraBlock : public BaseContainer
{
    Q_OBJECT

public:
    // The image must reach register 205.
    static constexpr int kMinImageSize = 206;

    explicit KivLoraBlock(QObject *parent = nullptr);

public slots:
    void setData(QList<quint16> data) override;
    void reset() override;
};
