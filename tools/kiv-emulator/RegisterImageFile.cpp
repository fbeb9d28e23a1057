#include "RegisterImageFile.h"

#include <QFile>
#include <QSaveFile>

namespace {
constexpr qint64 kMaxFileSize = 1024 * 1024; // a 5000-line image is well under 40 kB
}

bool RegisterImageFile::load(const QString &path, QList<quint16> *values, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read register file %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > kMaxFileSize) {
        *error = QStringLiteral("register file %1 is too large (%2 bytes)").arg(path).arg(file.size());
        return false;
    }
    if (!parse(file.readAll(), values, error)) {
        *error = QStringLiteral("register file %1: %2").arg(path, *error);
        return false;
    }
    return true;
}

bool RegisterImageFile::parse(const QByteArray &text, QList<quint16> *values, QString *error)
{
    QList<quint16> result;
    result.reserve(kLines);
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        bool ok = false;
        const uint value = line.toUInt(&ok);
        if (!ok || value > 0xFFFF) {
            *error = QStringLiteral("line %1: '%2' is not a register value (0..65535)")
                         .arg(i + 1)
                         .arg(QString::fromLatin1(line.left(40)));
            return false;
        }
        if (result.size() == kLines) {
            *error = QStringLiteral("more than %1 values (line %2)").arg(kLines).arg(i + 1);
            return false;
        }
        result.append(quint16(value));
    }
    if (result.size() < kLines) {
        *error = QStringLiteral("only %1 of %2 register values").arg(result.size()).arg(kLines);
        return false;
    }
    *values = result;
    return true;
}

bool RegisterImageFile::save(const QString &path, const QList<quint16> &values, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(format(values)) < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QByteArray RegisterImageFile::format(const QList<quint16> &values)
{
    QByteArray out;
    out.reserve(kLines * 6);
    for (int i = 0; i < kLines; ++i) {
        out.append(QByteArray::number(i < values.size() ? values.at(i) : 0));
        out.append('\n');
    }
    return out;
}
