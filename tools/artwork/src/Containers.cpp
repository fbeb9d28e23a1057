#include "Containers.h"

#include <QBuffer>
#include <QHash>
#include <QtEndian>

namespace art {

QByteArray pngBytes(const QImage &image)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buf, "PNG", 0); // 0 = strongest compression
    return out;
}

namespace {

void putLe16(QByteArray &out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void putLe32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

void putBe32(QByteArray &out, quint32 v)
{
    for (int i = 3; i >= 0; --i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

class BitWriter
{
public:
    void put(int code, int bits)
    {
        m_acc |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_acc & 0xFF));
        m_acc = 0;
        m_count = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_count = 0;
};

// Variable-width LZW as GIF wants it, with 8-bit pixels.
QByteArray lzw(const QByteArray &pixels)
{
    constexpr int minCodeSize = 8;
    constexpr int clearCode = 1 << minCodeSize;
    constexpr int endCode = clearCode + 1;
    constexpr int maxCode = 4095;

    BitWriter out;
    QHash<quint32, int> table;
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    out.put(clearCode, codeSize);
    if (pixels.isEmpty()) {
        out.put(endCode, codeSize);
        return out.finish();
    }

    int prefix = quint8(pixels.at(0));
    for (int i = 1; i < pixels.size(); ++i) {
        const int k = quint8(pixels.at(i));
        const quint32 key = (quint32(prefix) << 8) | quint32(k);
        const auto it = table.constFind(key);
        if (it != table.constEnd()) {
            prefix = it.value();
            continue;
        }
        out.put(prefix, codeSize);
        table.insert(key, nextCode);
        // The decoder widens its codes once the table fills the current width.
        if (nextCode == (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (++nextCode > maxCode) {
            out.put(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = k;
    }
    out.put(prefix, codeSize);
    out.put(endCode, codeSize);
    return out.finish();
}

QRgb flattenOnWhite(QRgb premultiplied)
{
    const int a = qAlpha(premultiplied);
    auto ch = [a](int c) { return c + (255 - a); };
    return qRgb(ch(qRed(premultiplied)), ch(qGreen(premultiplied)), ch(qBlue(premultiplied)));
}

} // namespace

QByteArray encodeGif(const QList<QImage> &frames, int delayCentiseconds)
{
    if (frames.isEmpty())
        return {};
    const int w = frames.first().width();
    const int h = frames.first().height();

    // Half-covered edge pixels are blended onto white; the rest is transparent.
    // Colours are rounded until the whole animation fits one 255-colour palette.
    QList<QList<QRgb>> flat;
    for (const QImage &f : frames) {
        const QImage img = f.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QList<QRgb> px;
        px.reserve(w * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = img.pixel(x, y);
                px.append(qAlpha(c) < 110 ? 0u : (flattenOnWhite(c) | 0xFF000000u));
            }
        flat.append(px);
    }
    QList<QRgb> palette;
    QHash<QRgb, int> index;
    for (int step = 1; step <= 64; step *= 2) {
        palette = {0u};
        index.clear();
        auto round = [step](int v) { return qMin(255, (v + step / 2) / step * step); };
        bool fits = true;
        for (QList<QRgb> &px : flat) {
            for (QRgb &c : px) {
                if (c == 0)
                    continue;
                const QRgb r = qRgb(round(qRed(c)), round(qGreen(c)), round(qBlue(c)));
                if (!index.contains(r)) {
                    if (palette.size() == 256) {
                        fits = false;
                        break;
                    }
                    index.insert(r, palette.size());
                    palette.append(r);
                }
            }
            if (!fits)
                break;
        }
        if (fits) {
            for (QList<QRgb> &px : flat)
                for (QRgb &c : px)
                    if (c != 0)
                        c = qRgb(round(qRed(c)), round(qGreen(c)), round(qBlue(c)));
            break;
        }
    }

    QByteArray out("GIF89a");
    putLe16(out, w);
    putLe16(out, h);
    out.append(char(0xF7)); // global table of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette.at(i) : 0xFFFFFFFFu;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    for (const QList<QRgb> &px : flat) {
        // Disposal "restore to background" so earlier frames never shine through.
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x09));
        putLe16(out, delayCentiseconds);
        out.append(char(0));
        out.append(char(0));

        out.append(char(0x2C));
        putLe16(out, 0);
        putLe16(out, 0);
        putLe16(out, w);
        putLe16(out, h);
        out.append(char(0));

        QByteArray indices;
        indices.reserve(px.size());
        for (QRgb c : px)
            indices.append(char(c == 0 ? 0 : index.value(c)));
        const QByteArray data = lzw(indices);
        out.append(char(8));
        for (int pos = 0; pos < data.size(); pos += 255) {
            const int n = qMin(255, int(data.size()) - pos);
            out.append(char(n));
            out.append(data.mid(pos, n));
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}

QByteArray encodeIco(const QList<QImage> &images)
{
    QList<QByteArray> pngs;
    for (const QImage &img : images)
        pngs.append(pngBytes(img));
    QByteArray out;
    putLe16(out, 0);
    putLe16(out, 1);
    putLe16(out, int(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage &img = images.at(i);
        out.append(char(img.width() >= 256 ? 0 : img.width())); // 0 means 256
        out.append(char(img.height() >= 256 ? 0 : img.height()));
        out.append(char(0));
        out.append(char(0));
        putLe16(out, 1);
        putLe16(out, 32);
        putLe32(out, quint32(pngs.at(i).size()));
        putLe32(out, offset);
        offset += quint32(pngs.at(i).size());
    }
    for (const QByteArray &png : pngs)
        out.append(png);
    return out;
}

QByteArray encodeIcns(const QList<IcnsEntry> &entries)
{
    QByteArray body;
    for (const IcnsEntry &e : entries) {
        const QByteArray png = pngBytes(e.image);
        body.append(e.type.left(4));
        putBe32(body, quint32(png.size() + 8));
        body.append(png);
    }
    QByteArray out("icns");
    putBe32(out, quint32(body.size() + 8));
    out.append(body);
    return out;
}

QList<QImage> decodeIco(const QByteArray &data)
{
    QList<QImage> images;
    if (data.size() < 6)
        return images;
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    if (qFromLittleEndian<quint16>(d) != 0 || qFromLittleEndian<quint16>(d + 2) != 1)
        return images;
    const int count = qFromLittleEndian<quint16>(d + 4);
    if (data.size() < 6 + 16 * count)
        return images;
    for (int i = 0; i < count; ++i) {
        const uchar *e = d + 6 + 16 * i;
        const quint32 size = qFromLittleEndian<quint32>(e + 8);
        const quint32 offset = qFromLittleEndian<quint32>(e + 12);
        if (quint64(offset) + size > quint64(data.size()))
            return {};
        images.append(QImage::fromData(data.mid(offset, size), "PNG"));
    }
    return images;
}

QList<IcnsEntry> decodeIcns(const QByteArray &data)
{
    QList<IcnsEntry> entries;
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    if (data.size() < 8 || !data.startsWith("icns") || qFromBigEndian<quint32>(d + 4) != quint32(data.size()))
        return entries;
    qsizetype pos = 8;
    while (pos + 8 <= data.size()) {
        const quint32 len = qFromBigEndian<quint32>(d + pos + 4);
        if (len < 8 || pos + len > data.size())
            return {};
        entries.append({data.mid(pos, 4), QImage::fromData(data.mid(pos + 8, len - 8), "PNG")});
        pos += len;
    }
    return entries;
}

} // namespace art
