#pragma once

#include <QList>

// A read plan: (start register, register count) requests walked one at a time.
// Ranges are given as [start, end) and cut into requests of at most `chunk` registers.
class ModbusCallPair
{
public:
    ModbusCallPair() = default;
    // Registers start .. end - 1 in requests of at most chunk registers.
    ModbusCallPair(uint start, uint end, uint chunk);
    // blockCount blocks of blockSize registers at firstStart + stride * i, each cut into chunks.
    ModbusCallPair(uint blockCount, uint chunk, uint blockSize, uint firstStart, uint stride);

    // The current request as {start, count}; empty when the plan is empty or walked past its end.
    QList<uint> getPair() const;
    // Advances and returns the new current request; empty once the plan is exhausted.
    QList<uint> getNextPair();
    bool hasNextPair() const;
    int size() const;
    bool isEmpty() const;
    int position() const;

    // Halves the current request, e.g. after the device refused it. A single-register request
    // cannot be halved and is dropped, so the plan moves on to the following request.
    // Returns false when no current request is left afterwards.
    bool split();

    void append(const ModbusCallPair &other);
    void append(uint start, uint end, uint chunk);
    // Appends the pieces of [start, end) that the plan does not hold yet; true if any was added.
    bool appendUnique(uint start, uint end, uint chunk = kMaxRegistersPerRequest);

    // Back to the first request.
    void reset();
    void clear();

    bool operator==(const ModbusCallPair &other) const;

    // A Modbus read answer holds at most 125 registers.
    static constexpr uint kMaxRegistersPerRequest = 125;
    static constexpr quint64 kRegisterSpace = 0x10000;

private:
    struct Request
    {
        uint start = 0;
        uint count = 0;
        bool operator==(const Request &o) const { return start == o.start && count == o.count; }
    };
    static QList<Request> cut(uint start, quint64 end, uint chunk);

    QList<Request> m_requests;
    int m_position = 0;
};
