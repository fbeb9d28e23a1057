#include "KivRegisterText.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

QList<quint16> readRegisterText(const QString &filePath, qsizetype size, bool *ok)
{
    QList<quint16> image(size, 0);
    QFile file(filePath);
    const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (ok)
        *ok = opened;
    if (!opened)
        return image;
    QTextStream in(&file);
    qsizetype reg = 0;
    while (!in.atEnd() && reg < size) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty())
            continue;
        image[reg++] = line.toUShort();
    }
    return image;
}

bool writeRegisterText(const QString &filePath, const QList<quint16> &registers)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (quint16 value : registers)
        out << value << '\n';
    out.flush();
    return out.status() == QTextStream::Ok && file.commit();
}
