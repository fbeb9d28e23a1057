#pragma once

#include <QList>
#include <QString>

class KivBackendProperty;
class KivBlockSet;
class KivDeviceSetup;
class KivReadJson;

// The back end's documents: writing the file a name asks for from the device's blocks, and
// taking a JSON document back into the blocks through their ordinary setters.
namespace KivDocuments {

enum class Kind { Cfg, Json, Pdf, Unknown };
// By the name's suffix, case-sensitive.
Kind kindOf(const QString &filePath);

// Writes filePath as the document its suffix names; false for another suffix or a failed write,
// which leaves an existing file untouched.
bool write(const QString &filePath, const QList<quint16> &image, const KivBlockSet *blocks,
           const KivDeviceSetup *setup);

// Connects every setting the reader takes back to the setter of the block that owns it. Blocks
// the device does not have get nothing.
void connectLoad(KivReadJson *reader, KivBackendProperty *state, KivBlockSet *blocks);

} // namespace KivDocuments
