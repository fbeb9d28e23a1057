#pragma once

#include "BaseSerialIo.h"

#include <QList>
#include <QString>

// The KIV device link: turns the library's answers into typed signals for the back end and
// the boot loader. Lives in its own worker thread; create it without a parent, move it there
// and reach it only through queued calls.
class KivSerialIo : public BaseSerialIo
{
    Q_OBJECT

public:
    // Modbus errors in a row that the boot loader may repeat before the link gives up.
    static constexpr int MaxBootLoaderRetries = 5;

    explicit KivSerialIo(QObject *parent = nullptr);

signals:
    void allWritten();
    void newDataSl(uint adress, QList<quint16> values);
    void newDataPl(uint adress, QList<quint16> values);
    void newPoll(uint adress, QList<quint16> values);
    void responseForBootLoader(uint address, QList<quint16> values);
    void registerWrittenForBootLoader(uint adress, QList<quint16> values);
    void errorAsString(QString error);

public slots:
    void setDoWriteDoneSignal(bool doIt);
    void resetBootLoaderRetryCount();

protected slots:
    void onDatagramReceived(const Datagram &datagram) override;
    void onStateChanged(int state) override;
    void onErrorOccured(ModbusClientSerial::ModbusClientErrors code) override;

private slots:
    void onAllBytesWritten();

private:
    bool inNormalOrIdentification() const;

    int m_retryCount = 0;
    bool m_doWriteDoneSignal = false;
};
