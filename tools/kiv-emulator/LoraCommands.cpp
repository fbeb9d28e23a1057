#include "LoraCommands.h"

#include "KivRegisters.h"
#include "RegisterImage.h"

bool LoraCommands::run(QList<quint16> &registers, const QList<quint16> &factory, int start, int count)
{
    // Only a LoRaWAN board has the command; on other boards these registers mean something else.
    if (RegisterImage::get32(registers, KivRegisters::kOptionBoardType) != KivRegisters::AP_LORA)
        return false;
    if (start > kCommand + 1 || start + count <= kCommand)
        return false;
    if (RegisterImage::get32(registers, kCommand) != kFactoryReset)
        return false;
    for (int reg = kFirst; reg < kEnd && reg < factory.size(); ++reg)
        registers[reg] = factory.at(reg);
    registers[kCommand] = 0;
    registers[kCommand + 1] = 0;
    return true;
}
