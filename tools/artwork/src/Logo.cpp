#include "Logo.h"
#include "Painter.h"

#include <QtMath>

namespace art {

QImage launcherIcon(int sizePx)
{
    QImage img = blankImage(sizePx, sizePx);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(sizePx / 256.0, sizePx / 256.0);

    // Lines must stay at least ~1.6 px wide when the icon is shown tiny.
    const qreal unitsPerPx = 256.0 / sizePx;
    const qreal outline = qMax<qreal>(12.0, 1.6 * unitsPerPx);
    const qreal waveWidth = qMax<qreal>(14.0, 1.8 * unitsPerPx);

    const QPainterPath body = roundedRect(28, 18, 200, 220, 46);
    p.fillPath(body, kPaper);
    stroke(p, body, kInk, outline);

    const QPainterPath screen = roundedRect(64, 56, 128, 80, 14);
    p.fillPath(screen, kAccent);
    if (sizePx >= 48) {
        text(p, QStringLiteral("21"), 86, 74, 44, Qt::white, 9);
        stroke(p, circle(QPointF(166, 80), 6), Qt::white, 5.5);
    }

    QPainterPath wave(QPointF(70, 186));
    for (int i = 0; i < 2; ++i) {
        const qreal x = 70 + i * 58;
        wave.cubicTo(x + 14, 162, x + 29 - 1, 162, x + 29, 186);
        wave.cubicTo(x + 29 + 1, 210, x + 44, 210, x + 58, 186);
    }
    stroke(p, wave, kAccent, waveWidth);
    return img;
}

QImage wordmarkLogo()
{
    const int w = 960, h = 240;
    QImage img = blankImage(w, h);
    {
        QPainter p(&img);
        p.drawImage(QRect(16, 16, 208, 208), launcherIcon(208));
        p.setRenderHint(QPainter::Antialiasing, true);
        text(p, QStringLiteral("VELTARON"), 262, 72, 96, kInk, 13);
    }
    return img;
}

} // namespace art
