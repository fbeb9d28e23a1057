#pragma once

#include "Enums.h"

#include <QList>
#include <QObject>

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

public:
    static constexpr uint kStartRegister = 144;
    static constexpr uint kOffDipAdress = 2;
    static constexpr uint kOffDeviceId = 4;
    static constexpr uint kOffBaudrate = 6;
    static constexpr uint kOffModus = 8;
    static constexpr uint kOffParity = 10;
    static constexpr uint kOffStopBit = 12;
    static constexpr int kBlockRegisters = 60;

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

    Q_INVOKABLE void updateFromImage(const QList<quint16> &registerImage);
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

private:
    bool m_isBacNet = false;
    quint32 m_dipAdress = 0;
    quint32 m_deviceId = 0;
    quint32 m_baudrate = 0;
    quint32 m_modus = 0;
    quint32 m_parity = 0;
    quint32 m_stopBit = 0;
    uint m_startRegister = 0;
    QList<Enums::TypeDatenblock> m_blockTypes;
};
