#pragma once

#include "Enums.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVariantList>

// RS485 bus interface (Modbus or BACnet board, registers from 144). The back end creates it for
// bus boards only and sets isBacNet after every feed.
class KivRs485 : public Enums
{
    Q_OBJECT
    Q_PROPERTY(bool isBacNet READ isBacNet WRITE setIsBacNet NOTIFY isBacNetChanged)
    Q_PROPERTY(quint32 dipAdress READ dipAdress WRITE setDipAdress NOTIFY dipAdressChanged)
    Q_PROPERTY(quint32 deviceId READ deviceId WRITE setDeviceId NOTIFY deviceIdChanged)
    Q_PROPERTY(quint32 baudrate READ baudrate WRITE setBaudrate NOTIFY baudrateChanged)
    Q_PROPERTY(quint32 modus READ modus WRITE setModus NOTIFY modusChanged)
    Q_PROPERTY(quint32 parity READ parity WRITE setParity NOTIFY parityChanged)
    Q_PROPERTY(quint32 stopBit READ stopBit WRITE setStopBit NOTIFY stopBitChanged)
    Q_PROPERTY(QString description READ description WRITE setDescription NOTIFY descriptionChanged)
    Q_PROPERTY(double covEnable READ covEnable WRITE setCovEnable NOTIFY covEnableChanged)
    // The increments the page lists: one {type, value} per measure of the device that has an
    // increment register, in table order.
    Q_PROPERTY(QVariantList covIncrements READ covIncrements NOTIFY covIncrementsChanged)
    Q_PROPERTY(quint32 deviceIdMinimum READ deviceIdMinimum NOTIFY isBacNetChanged)
    Q_PROPERTY(quint32 deviceIdMaximum READ deviceIdMaximum NOTIFY isBacNetChanged)
    Q_PROPERTY(int descriptionLength READ descriptionLength CONSTANT)

public:
    static constexpr uint kStartRegister = 144;
    static constexpr uint kOffDipAdress = 2;
    static constexpr uint kOffDeviceId = 4;
    static constexpr uint kOffBaudrate = 6;
    static constexpr uint kOffModus = 8;
    static constexpr uint kOffParity = 10;
    static constexpr uint kOffStopBit = 12;
    static constexpr uint kOffDescription = 16;
    static constexpr int kDescriptionRegisters = 16;
    static constexpr int kDescriptionChars = 2 * kDescriptionRegisters;
    static constexpr uint kOffCovEnable = 32;
    static constexpr int kBlockRegisters = 60;
    // Key offset of a measure's second sensor in the increment table.
    static constexpr quint32 kSecondSensorKey = 255;
    static constexpr float kIncrementNotSet = -1.0f;
    // Addresses the bus boards accept: Modbus slave addresses, BACnet device-instance offsets.
    static constexpr quint32 kModbusIdMin = 1;
    static constexpr quint32 kModbusIdMax = 247;
    static constexpr quint32 kBacnetIdMax = 4194302;

    // For meta-type registration: start register 0.
    explicit KivRs485(QObject *parent = nullptr);
    // blockTypes: the measures of the device's data blocks (a copy; see setBlockTypes).
    KivRs485(const QList<quint16> &registerImage, uint startRegister, const QList<Enums::TypeDatenblock> &blockTypes,
             QObject *parent = nullptr);

    uint startRegister() const { return m_startRegister; }
    QList<Enums::TypeDatenblock> blockTypes() const { return m_blockTypes; }
    bool isBacNet() const { return m_isBacNet; }
    quint32 dipAdress() const { return m_dipAdress; }
    quint32 deviceId() const { return m_deviceId; }
    quint32 baudrate() const { return m_baudrate; }
    quint32 modus() const { return m_modus; }
    quint32 parity() const { return m_parity; }
    quint32 stopBit() const { return m_stopBit; }
    QString description() const { return m_description; }
    double covEnable() const { return m_covEnable; }
    QVariantList covIncrements() const;
    quint32 deviceIdMinimum() const { return m_isBacNet ? 0 : kModbusIdMin; }
    quint32 deviceIdMaximum() const { return m_isBacNet ? kBacnetIdMax : kModbusIdMax; }
    static int descriptionLength() { return kDescriptionChars; }

    // The increment register (offset from the start register) of a measure; -1 when it has none.
    static int incrementOffset(Enums::TypeDatenblock type, bool multi);
    // Texts the device can hold: every character fits 8 bits.
    static bool fitsDevice(const QString &text);

    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);
    // For the page, which holds measure types as plain numbers.
    Q_INVOKABLE void setIncrementFor(int type, double value) { setIncrementValue(TypeDatenblock(type), float(value)); }
    // The back end refreshes the measure list when its blocks change.
    void setBlockTypes(const QList<Enums::TypeDatenblock> &blockTypes);

public slots:
    void setIsBacNet(bool isBacNet);
    void setDipAdress(quint32 dipAdress);
    void setDeviceId(quint32 deviceId);
    void setBaudrate(quint32 baudrate);
    void setModus(quint32 modus);
    void setParity(quint32 parity);
    void setStopBit(quint32 stopBit);
    void setCovEnable(double covEnable);
    void setDescription(const QString &description);
    float getIncrementValue(Enums::TypeDatenblock type, bool multi = false) const;
    void setIncrementValue(Enums::TypeDatenblock type, float value, bool multi = false);

signals:
    void writeSingleRegister(uint reg, ushort value);
    void writeMultipleRegister(uint reg, QList<quint16> values);
    void isBacNetChanged(bool isBacNet);
    void dipAdressChanged(quint32 dipAdress);
    void deviceIdChanged(quint32 deviceId);
    void baudrateChanged(quint32 baudrate);
    void modusChanged(quint32 modus);
    void parityChanged(quint32 parity);
    void stopBitChanged(quint32 stopBit);
    void covEnableChanged(double covEnable);
    void descriptionChanged(QString description);
    void covIncrementsChanged();
    // An entry the device cannot take; nothing was changed.
    void errorPlainText(QString text);

private:
    static QString decodeDescription(const QList<quint16> &registerImage, int start);
    void writeDescription();

    bool m_isBacNet = false;
    quint32 m_dipAdress = 0;
    quint32 m_deviceId = 0;
    quint32 m_baudrate = 0;
    quint32 m_modus = 0;
    quint32 m_parity = 0;
    quint32 m_stopBit = 0;
    double m_covEnable = 0.0;
    QString m_description;
    QList<QPair<quint32, float>> m_increments;
    uint m_startRegister = 0;
    QList<Enums::TypeDatenblock> m_blockTypes;
};
