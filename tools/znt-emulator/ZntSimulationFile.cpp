#include "ZntSimulationFile.h"

#include <QSaveFile>

namespace {
const QByteArray kHeader = QByteArrayLiteral("Register;Wert\n");
}

QByteArray ZntSimulationFile::format(const QList<quint16> &image)
{
    QByteArray out = kHeader;
    for (int reg = 0; reg < image.size(); ++reg) {
        if (image.at(reg) == 0)
            continue;
        out.append(QByteArray::number(reg));
        out.append(';');
        out.append(QByteArray::number(image.at(reg)));
        out.append('\n');
    }
    return out;
}

bool ZntSimulationFile::save(const QString &path, const QList<quint16> &image, QString *error)
{
    QSaveFile file(path);
    const QByteArray text = format(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
