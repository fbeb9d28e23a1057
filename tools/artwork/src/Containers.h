#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace art {

QByteArray pngBytes(const QImage &image);

// Animated GIF89a: frames share one palette, index 0 is transparent, looping forever.
QByteArray encodeGif(const QList<QImage> &frames, int delayCentiseconds);

// Windows icon with PNG-compressed entries.
QByteArray encodeIco(const QList<QImage> &images);

struct IcnsEntry
{
    QByteArray type; // four characters, e.g. "ic08"
    QImage image;
};
// Apple icon family with PNG-encoded entries.
QByteArray encodeIcns(const QList<IcnsEntry> &entries);

// Readers for checking what was written; they return no images on malformed input.
QList<QImage> decodeIco(const QByteArray &data);
QList<IcnsEntry> decodeIcns(const QByteArray &data);

} // namespace art
