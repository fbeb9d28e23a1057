#pragma once

#include <QList>
#include <QString>

// The ".cfg" register-image file: a QDataStream (big-endian) holding the header text
// "KIV_<version>" followed by the register list. Files older than 3.4.0 carry no count; their
// words run to the end of the file. Depends on QtCore only, so a fuzzer can build it alone.

// Header prefix and the version this plugin writes.
inline constexpr char kCfgHeaderPrefix[] = "KIV_";
inline constexpr char kCfgWriterVersion[] = "4.2.1";

// The registers stored in filePath; empty when the file cannot be opened or read, or when its
// header is not one of ours.
QList<quint16> readCfgFile(const QString &filePath);

// Writes registers to filePath through a temporary file that replaces the old one only when
// everything was written; false (and the old file untouched) otherwise.
bool writeCfgFile(const QString &filePath, const QList<quint16> &registers);
