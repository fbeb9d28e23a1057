#pragma once

#include "BootloaderFault.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The device's bootloader as seen over Modbus: presence words in registers 0/1, an info block
// up to register 9, a command block written from register 0 and a page-sized data window from
// register 10. Committed pages are assembled into the received image.
class BootloaderEmulation
{
public:
    static constexpr quint16 kKey1 = 8603;
    static constexpr quint16 kKey2 = 8519;
    static constexpr int kPageBytes = 2048;
    static constexpr int kPageWords = kPageBytes / 2;
    static constexpr int kWindowStart = 10;
    static constexpr int kRegisterCount = kWindowStart + kPageWords; // registers 0..1033
    static constexpr quint16 kCommandStart = 1;
    static constexpr quint16 kCommandCommit = 2;
    static constexpr quint16 kCommandFinish = 3;
    static constexpr int kCommandRegisters = 7;

    // NoAnswer: the request goes unanswered (injected fault).
    enum class Result { Ok, IllegalAddress, IllegalValue, NoAnswer };
    enum class State { Idle, Receiving, Finished };

    void reset();
    // Survives reset(): a fault is used up across bootloader entries, not per entry.
    void setFault(const BootloaderFault &fault);
    // The entry text again after a dropped link: the cable is back, the transfer starts over.
    void reconnect();
    bool linkDropped() const;
    Result read(int start, int count, QList<quint16> *values);
    Result write(int start, const QList<quint16> &values);

    State state() const;
    int pageCount() const;
    int committedPages() const;
    QByteArray image() const; // page count x 2048 bytes as received
    QString lastError() const;
    // What a technician watching the device would see (start, commits, faults); taken once.
    QStringList takeEvents();

private:
    Result runCommand();

    QList<quint16> m_registers = QList<quint16>(kRegisterCount, 0);
    QByteArray m_image;
    QList<bool> m_committed;
    State m_state = State::Idle;
    int m_pageCount = 0;
    QString m_lastError;
    BootloaderFault m_fault;
    int m_wrongWordsLeft = 0;
    bool m_dropPending = false;
    bool m_dropped = false;
    QStringList m_events;
};
