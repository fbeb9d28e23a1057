#pragma once

#include "BraskoGlobal.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>

// One Modbus transaction as a value: the request that leaves the queue, and later the answer
// that comes back for it (start register, 16-bit words and a flag).
class BRASKO_EXPORT Datagram
{
public:
    enum class Kind { Invalid, Read, Write, Raw };

    // An answer flagged with this must not be processed by the receiver.
    static constexpr quint32 DiscardFlag = 0x1;

    Datagram() = default;
    Datagram(uint startAdress, const QList<quint16> &values, quint32 flag = 0);

    static Datagram readRequest(uint startAdress, uint count, int requestType);
    static Datagram writeRequest(uint startAdress, const QList<quint16> &values, int requestType);
    static Datagram rawRequest(const QByteArray &bytes);

    uint getStartAdress() const { return m_startAdress; }
    QList<quint16> getValues() const { return m_values; }
    quint32 getFlag() const { return m_flag; }
    void setFlag(quint32 flag) { m_flag = flag; }

    Kind kind() const { return m_kind; }
    bool isValid() const { return m_kind != Kind::Invalid; }
    // Registers a read asks for or a write carries.
    uint count() const;
    int requestType() const { return m_requestType; }
    void setRequestType(int type) { m_requestType = type; }
    QByteArray rawBytes() const { return m_raw; }

    bool operator==(const Datagram &other) const;
    bool operator!=(const Datagram &other) const { return !(*this == other); }

private:
    Kind m_kind = Kind::Invalid;
    uint m_startAdress = 0;
    uint m_count = 0;
    QList<quint16> m_values;
    QByteArray m_raw;
    int m_requestType = 0;
    quint32 m_flag = 0;
};

Q_DECLARE_METATYPE(Datagram)
