// Draws the splash logo (vlLogo.png) and the application icon (ic_launcher.ico).
// Run once offscreen: QT_QPA_PLATFORM=offscreen SplashArtwork <output folder>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cstdio>

namespace {
const QColor Mauve(0x86, 0x76, 0x84);
const QColor Ink(0x4d, 0x43, 0x4c);

// The sensor mark: a rounded housing with a measuring point, and waves running off to the
// right that fade like the busy animation does.
void drawSensorMark(QPainter &p, const QPointF &centre, qreal side, const QColor &colour)
{
    const qreal stroke = side * 0.065;
    QPen pen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF housing(centre.x() - side / 2, centre.y() - side / 2, side, side);
    p.drawRoundedRect(housing, side * 0.22, side * 0.22);

    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, side * 0.13, side * 0.13);

    p.setBrush(Qt::NoBrush);
    const int alphas[] = {255, 160, 80};
    for (int i = 0; i < 3; ++i) {
        QColor c = colour;
        c.setAlpha(alphas[i] * colour.alpha() / 255);
        pen.setColor(c);
        p.setPen(pen);
        const qreal r = side * (0.8 + 0.25 * i);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
}

QImage drawLogo()
{
    // Same aspect ratio as the splash window, so the logo fills it without bars.
    QImage image(1120, 400, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, image.height());
    background.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    background.setColorAt(1.0, QColor(0xf3, 0xf0, 0xf3));
    p.fillRect(image.rect(), background);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(104);
    font.setWeight(QFont::Light);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    const QString word = QStringLiteral("Veltaron");
    const QFontMetricsF metrics(font);
    const qreal textWidth = metrics.horizontalAdvance(word);

    // Mark and word sit in the upper part; the lower part stays calm for the busy row.
    const qreal markSide = 118;
    const qreal gap = 120;
    const qreal groupWidth = markSide + gap + textWidth;
    const qreal left = (image.width() - groupWidth) / 2;
    const qreal midY = 150;

    drawSensorMark(p, QPointF(left + markSide / 2, midY), markSide, Mauve);

    p.setFont(font);
    p.setPen(Ink);
    const qreal baseline = midY + (metrics.capHeight()) / 2;
    p.drawText(QPointF(left + markSide + gap, baseline), word);

    QColor rule = Mauve;
    rule.setAlpha(110);
    p.setPen(QPen(rule, 2));
    p.drawLine(QPointF(left, 248), QPointF(left + groupWidth, 248));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage drawIcon()
{
    QImage image(150, 150, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fill(0, 0, 0, 150);
    fill.setColorAt(0.0, Mauve.lighter(112));
    fill.setColorAt(1.0, Mauve.darker(118));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3, 3, 144, 144), 30, 30);

    drawSensorMark(p, QPointF(56, 75), 58, Qt::white);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void appendLe16(QByteArray &out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void appendLe32(QByteArray &out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

// One 32-bit BMP entry: what resource compilers accept for any icon size.
QByteArray encodeIco(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 pixelBytes = quint32(w * h * 4);
    const quint32 maskBytes = quint32(maskStride * h);
    const quint32 dibBytes = 40 + pixelBytes + maskBytes;

    QByteArray out;
    appendLe16(out, 0);
    appendLe16(out, 1); // icon
    appendLe16(out, 1); // one image
    out.append(char(w < 256 ? w : 0));
    out.append(char(h < 256 ? h : 0));
    out.append(char(0)); // no colour table
    out.append(char(0));
    appendLe16(out, 1); // planes
    appendLe16(out, 32); // bits per pixel
    appendLe32(out, dibBytes);
    appendLe32(out, 6 + 16);

    appendLe32(out, 40);
    appendLe32(out, quint32(w));
    appendLe32(out, quint32(2 * h)); // colour rows plus mask rows
    appendLe16(out, 1);
    appendLe16(out, 32);
    appendLe32(out, 0); // BI_RGB
    appendLe32(out, pixelBytes + maskBytes);
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
            out.append(char(qAlpha(line[x])));
        }
    }
    // The alpha channel decides transparency; an all-clear AND mask keeps old readers happy.
    out.append(QByteArray(int(maskBytes), '\0'));
    return out;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    if (!drawLogo().save(out.filePath(QStringLiteral("vlLogo.png")), "PNG", 9)) {
        std::fprintf(stderr, "cannot write vlLogo.png\n");
        return 1;
    }
    return writeFile(out.filePath(QStringLiteral("ic_launcher.ico")), encodeIco(drawIcon())) ? 0 : 1;
}
