#pragma once

#include "BaseSerialIo.h"

#include <QList>
#include <QString>

// The framework's device link: Brasko's request queue with answers and failures sorted into
// plain signals for ConnectionManagerBase. Lives in its own worker thread; create it without a
// parent, hand it to a SerialLinkOwner and reach it only through queued calls.
class MirrelSerialIo : public BaseSerialIo
{
    Q_OBJECT

public:
    explicit MirrelSerialIo(QObject *parent = nullptr);

signals:
    void readAnswered(uint start, QList<quint16> words);
    void writeAnswered(uint start, QList<quint16> words);
    // The port could not be opened (or the parameters were refused); the link stays closed.
    void openFailed(QString text);
    // The device answered a read with an exception; the link stays open, since a smaller
    // request may succeed.
    void readRefused(QString text);
    // Any other failure of an open link (no reply, broken answer, port lost, refused write).
    // The link closes itself right after.
    void requestFailed(QString text);

protected slots:
    void onDatagramReceived(const Datagram &datagram) override;
    void onStateChanged(int state) override;
    void onErrorOccured(ModbusClientSerial::ModbusClientErrors code) override;

private:
    bool m_open = false;
};
