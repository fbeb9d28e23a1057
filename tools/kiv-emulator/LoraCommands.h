#pragma once

#include <QList>

// The LoRaWAN board's control command register (184/185): writing 1 restores the LoRaWAN
// configuration (registers 146 .. 205) to its factory values, after which the board clears the
// command.
class LoraCommands
{
public:
    static constexpr int kCommand = 184;
    static constexpr quint16 kFactoryReset = 1;
    static constexpr int kFirst = 146;
    static constexpr int kEnd = 206;

    // True when the write of count registers from start carried the command and it ran.
    static bool run(QList<quint16> &registers, const QList<quint16> &factory, int start, int count);
};
