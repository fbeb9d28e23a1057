#pragma once

#include "Enums.h"
#include "Functions.h"

#include <QList>
#include <QObject>

// Display settings (registers 82 .. 89): whether a display is present and what it shows.
class KivLcdBlock : public Enums
{
    Q_OBJECT
    Q_PROPERTY(quint8 available READ available WRITE setAvailable NOTIFY availableChanged)
    Q_PROPERTY(bool isAvailaAbleReferenceCheck READ isAvailaAbleReferenceCheck WRITE setIsAvailaAbleReferenceCheck
                   NOTIFY isAvailaAbleReferenceCheckChanged)

public:
    static constexpr uint kStartRegister = 82;
    static constexpr int kBlockRegisters = 8;

    // For meta-type registration: start register 0.
    explicit KivLcdBlock(QObject *parent = nullptr);
    KivLcdBlock(const QList<quint16> &registerImage, uint startRegister, QObject *parent = nullptr);

    uint startRegister() const { return m_startRegister; }
    quint8 available() const { return m_available; }
    bool isAvailaAbleReferenceCheck() const { return m_isAvailaAbleReferenceCheck; }
    // A display is reported and the device name marks a display variant.
    bool hasDisplay() const { return m_available != 0 && m_isAvailaAbleReferenceCheck; }

    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);

public slots:
    void setAvailable(quint8 available);
    void setIsAvailaAbleReferenceCheck(bool isAvailaAbleReferenceCheck);

signals:
    void writeHalfRegister(uint reg, uchar value, Functions::Byte which);
    void writeSingleRegister(uint reg, ushort value);
    void writeMultipleRegister(uint reg, QList<quint16> values);
    void availableChanged(quint8 available);
    void isAvailaAbleReferenceCheckChanged(bool isAvailaAbleReferenceCheck);
    void hasLcd(bool hasLcd);

private:
    quint8 m_available = 0;
    bool m_isAvailaAbleReferenceCheck = false;
    uint m_startRegister = 0;
};
