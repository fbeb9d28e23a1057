#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// Reading the firmware update list (outside input): a JSON array of one object per firmware
// offer, and which offers serve a device.

// The objects of the list, in order; elements that are no objects are skipped. False, with a
// reason, when the bytes are not a JSON array.
bool parseUpdateList(const QByteArray &bytes, QList<QJsonObject> *entries, QString *error);

// An entry serves a device when the device name contains any word of the entry's name, in any
// case. Empty words (two spaces in a row, a trailing space) are ignored; a name without any
// word serves no device.
bool updateEntryMatches(const QString &entryName, const QString &deviceName);
