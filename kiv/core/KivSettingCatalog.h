#pragma once

#include "Enums.h"

#include <QList>
#include <QSet>
#include <QString>

// The device settings behind register numbers, named as the pages call them, so that a list of
// changed registers can be shown as changed settings with readable values.
namespace KivSettingCatalog {

// What decides how registers are read: the add-on board, the number formats, the data blocks.
struct Context
{
    Enums::TypeCircuitBoard board = Enums::AP_Unknown;
    bool relayThresholdsFloat = false;
    bool tlfThresholdsFloat = false;
    // Measure type of data block i (Invalid where there is none).
    QList<Enums::TypeDatenblock> blockTypes;
};

struct Change
{
    QString name;
    QString deviceValue;
    QString fileValue;
    uint firstRegister = 0;
    uint lastRegister = 0;
};

// One entry per setting that differs between before and after among the changed registers,
// in register order. Registers no setting describes are listed on their own.
QList<Change> changes(const QList<quint16> &before, const QList<quint16> &after, const QSet<uint> &changed,
                      const Context &context);

} // namespace KivSettingCatalog
