#pragma once

#include "Enums.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class KivBackendProperty;
class KivDatenblock;
class KivDeviceSetup;
class KivExpertModeContainer;
class KivLcdBlock;
class KivLoraBlock;
class KivRelaisBlock;
class KivRs485;
class KivTlfBlock;
class KivWriteGate;

// The function blocks of the connected device: created from the register image after the first
// read, refreshed from it after every later one, deleted when the device goes. Every block's
// writes go to the write gate. Owns the blocks; the back end publishes them to the pages.
class KivBlockSet : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRelayCount = 2;
    static constexpr int kVisibleChannels = 4;

    // state supplies the unit system and voltage limits the data blocks follow; none is owned.
    KivBlockSet(KivBackendProperty *state, KivDeviceSetup *device, KivWriteGate *gate, QObject *parent = nullptr);
    ~KivBlockSet() override;

    const QList<KivDatenblock *> &dataBlocks() const { return m_dataBlocks; }
    const QList<KivRelaisBlock *> &relais() const { return m_relais; }
    KivTlfBlock *tlf() const { return m_tlf; }
    KivLcdBlock *lcd() const { return m_lcd; }
    KivRs485 *rs485() const { return m_rs485; }
    KivLoraBlock *lora() const { return m_lora; }
    KivExpertModeContainer *expert() const { return m_expert; }

    // Creates what the image describes and refreshes what exists; blockCount data blocks at most.
    void createOrRefresh(const QList<quint16> &image, quint16 blockCount);
    // Data blocks take their live values from the image.
    void refreshDataBlocks(const QList<quint16> &image);
    // Deletes every device-specific block; the LoRa block stays.
    void clear();

    // Channel choices of the traffic light: "no selection" followed by every valid active channel.
    static QStringList channelLabels(const QList<QObject *> &activeChannels);
    void updateChannelLabels(const QList<QObject *> &activeChannels);
    // The traffic light takes the range of the channel it watches; without one it watches none.
    void applyTlfSource(QObject *channel);

    bool hasBlockOfType(int type) const;
    bool channelIsVisible(int channel) const;
    void changeChannelVisibility(int channel, bool visible);

signals:
    void blockUpdateRequested(uint index);
    // A data block's range or the traffic light's channel choice changed.
    void tlfRangeNeeded();
    void isLcd(bool);
    // A block refused an entry.
    void errorPlainText(QString text);

private:
    KivDatenblock *createDataBlock(const QList<quint16> &image, uint base, int index);
    void createOrRefreshRelais(const QList<quint16> &image);
    void createOrRefreshBus(const QList<quint16> &image, Enums::TypeCircuitBoard board);
    void deleteBus();
    template<typename Block>
    void connectWrites(Block *block);

    KivBackendProperty *m_state = nullptr;
    KivDeviceSetup *m_device = nullptr;
    KivWriteGate *m_gate = nullptr;
    QList<KivDatenblock *> m_dataBlocks;
    QList<KivRelaisBlock *> m_relais;
    KivTlfBlock *m_tlf = nullptr;
    KivLcdBlock *m_lcd = nullptr;
    KivRs485 *m_rs485 = nullptr;
    KivLoraBlock *m_lora = nullptr;
    KivExpertModeContainer *m_expert = nullptr;
};
