#pragma once

#include <QList>
#include <QString>

// Register-image text: one decimal register value per line, register 0 first. Simulation data
// and diagnostic dumps use it. Depends on QtCore only.

// The first size registers stored in filePath, zero-padded; blank lines are skipped and a line
// that is not a 16-bit number reads as 0. ok (if given) is false when the file cannot be read,
// and the result is then all zeros.
QList<quint16> readRegisterText(const QString &filePath, qsizetype size, bool *ok = nullptr);

// Writes registers to filePath through a temporary file that replaces the old one only when
// everything was written.
bool writeRegisterText(const QString &filePath, const QList<quint16> &registers);
