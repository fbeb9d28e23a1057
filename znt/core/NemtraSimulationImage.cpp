#include "NemtraSimulationImage.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <QStringList>
#include <QtEndian>

namespace {
// QDataStream allocates whatever length a damaged header string claims (up to megabytes) before
// it finds the data too short; a claim past the end cannot be read anyway.
bool headerFits(QIODevice *device)
{
    const QByteArray length = device->peek(sizeof(quint32));
    if (length.size() < qsizetype(sizeof(quint32)))
        return true;
    const quint32 bytes = qFromBigEndian<quint32>(length.constData());
    return bytes == 0xFFFFFFFFu || qint64(bytes) <= device->size() - device->pos() - qint64(sizeof(quint32));
}
} // namespace

QList<quint16> NemtraSimulationImage::fromText(const QByteArray &text)
{
    QList<quint16> image(kImageWords, 0);
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &raw : lines) {
        const QList<QByteArray> fields = raw.trimmed().split(';');
        if (fields.size() < 2)
            continue;
        bool ok = false;
        const uint reg = fields.first().trimmed().toUInt(&ok);
        if (!ok || reg >= uint(kImageWords))
            continue;
        bool valueOk = false;
        const qulonglong value = fields.last().trimmed().toULongLong(&valueOk);
        image[reg] = (valueOk && value <= 0xFFFF) ? quint16(value) : 0;
    }
    return image;
}

QList<quint16> NemtraSimulationImage::fromStream(QIODevice *device)
{
    if (!device || !device->isReadable())
        return {};
    const qint64 begin = device->pos();
    QDataStream in(device);
    QString header;
    if (headerFits(device))
        in >> header;
    if (in.status() != QDataStream::Ok || header.isEmpty()) {
        device->seek(begin);
        in.resetStatus();
    } else if (!header.contains(QLatin1String("LORA"))) {
        return {};
    }
    // Words past the register space are never used, so reading stops there whatever the header's version.
    QList<quint16> words;
    words.reserve(qMin<qint64>(kImageWords, (device->size() - device->pos()) / 2 + 1));
    while (words.size() < kImageWords && !in.atEnd()) {
        quint16 word = 0;
        in >> word;
        if (in.status() != QDataStream::Ok)
            break;
        words.append(word);
    }
    return words;
}

QList<quint16> NemtraSimulationImage::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromStream(&file);
}
