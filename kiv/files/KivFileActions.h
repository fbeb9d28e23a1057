#pragma once

#include <QList>
#include <QString>

// The back end's file work beside save/load: the document a file name asks for, the saved file
// behind a list entry, and diagnostic dumps of the register image.
namespace KivFileActions {

// Writes image to filePath as the document its suffix (case-sensitive) names. Only the
// register-image file ".cfg" has a writer here; false for any other suffix or a failed write,
// which leaves an existing file untouched.
bool writeDocument(const QString &filePath, const QList<quint16> &image);

// The file behind the saved-files entry called name: its stored path while that file exists,
// else the standard location it was saved in; empty when the list has no such entry.
QString savedFilePath(const QString &name);

// The whole text of a file; false when it cannot be read.
bool readText(const QString &filePath, QString *text);

// The image as register text in the desktop folder, named "DeviceData" + date and time + ".txt".
bool dumpToDesktop(const QList<quint16> &image);

} // namespace KivFileActions
