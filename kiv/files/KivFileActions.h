#pragma once

#include <QList>
#include <QString>

// The back end's file work beside save/load: the saved file behind a list entry, and
// diagnostic dumps of the register image.
namespace KivFileActions {

// The file behind the saved-files entry called name: its stored path while that file exists,
// else the standard location it was saved in; empty when the list has no such entry.
QString savedFilePath(const QString &name);

// The whole text of a file; false when it cannot be read.
bool readText(const QString &filePath, QString *text);

// The image as register text in the desktop folder, named "DeviceData" + date and time + ".txt".
bool dumpToDesktop(const QList<quint16> &image);

} // namespace KivFileActions
