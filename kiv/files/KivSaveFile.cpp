#include "KivSaveFile.h"

#include "KivFilesLogging.h"

#include <QSaveFile>

bool finishSaveFile(QSaveFile &file, bool written)
{
    if (!written || !file.flush()) {
        qCWarning(lcKivFiles) << "writing failed" << file.fileName() << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcKivFiles) << "cannot store" << file.fileName() << file.errorString();
        return false;
    }
    return true;
}
