#include "Painter.h"

#include <QtMath>

namespace art {

namespace {
Palette g_palette = kOnLight;
}

const Palette &palette()
{
    return g_palette;
}

void setPalette(const Palette &palette)
{
    g_palette = palette;
}

QImage blankImage(int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void beginGrid(QPainter &p, int sizePx)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(sizePx / kGrid, sizePx / kGrid);
}

QPen linePen(const QColor &color, qreal width)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &color, qreal width)
{
    p.strokePath(path, linePen(color, width));
}

void strokeLine(QPainter &p, QPointF a, QPointF b, const QColor &color, qreal width)
{
    QPainterPath path(a);
    path.lineTo(b);
    stroke(p, path, color, width);
}

void fillPath(QPainter &p, const QPainterPath &path, const QColor &color)
{
    p.fillPath(path, color);
}

void dot(QPainter &p, QPointF c, qreal r, const QColor &color)
{
    p.fillPath(circle(c, r), color);
}

void clearPath(QPainter &p, const QPainterPath &path)
{
    const auto mode = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(path, Qt::black);
    p.setCompositionMode(mode);
}

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath dropShape(qreal cx, qreal top, qreal cy, qreal r)
{
    const qreal shoulder = top + (cy - top) * 0.4;
    QPainterPath path(QPointF(cx, top));
    path.cubicTo(cx + r * 0.15, shoulder, cx + r, cy - r * 0.85, cx + r, cy);
    path.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 0, -180);
    path.cubicTo(cx - r, cy - r * 0.85, cx - r * 0.15, shoulder, cx, top);
    path.closeSubpath();
    return path;
}

QPainterPath arrowHead(QPointF tip, qreal angleDeg, qreal head)
{
    const qreal a = qDegreesToRadians(angleDeg);
    const QPointF back(-qCos(a) * head, -qSin(a) * head);
    const QPointF side(-qSin(a) * head * 0.8, qCos(a) * head * 0.8);
    QPainterPath path(tip + back + side);
    path.lineTo(tip);
    path.lineTo(tip + back - side);
    return path;
}

QPainterPath arrow(QPointF from, QPointF to, qreal head)
{
    QPainterPath path(from);
    path.lineTo(to);
    const QPointF d = to - from;
    path.addPath(arrowHead(to, qRadiansToDegrees(qAtan2(d.y(), d.x())), head));
    return path;
}

namespace {

constexpr qreal kAspect = 0.62;

QPainterPath glyphPath(QChar c, qreal x, qreal y, qreal h)
{
    const qreal w = h * kAspect;
    QPainterPath path;
    auto P = [&](qreal fx, qreal fy) { return QPointF(x + fx * w, y + fy * h); };
    switch (c.unicode()) {
    case 'C':
        path.arcMoveTo(QRectF(x, y, w, h), 50);
        path.arcTo(QRectF(x, y, w, h), 50, 260);
        break;
    case 'O':
    case '0':
        path.addEllipse(QRectF(x, y, w, h));
        break;
    case '2':
        path.moveTo(P(0.02, 0.27));
        path.cubicTo(P(0.08, -0.04), P(0.98, -0.06), P(0.96, 0.3));
        path.cubicTo(P(0.94, 0.52), P(0.3, 0.72), P(0.0, 1.0));
        path.lineTo(P(1.0, 1.0));
        break;
    case '1':
        path.moveTo(P(0.15, 0.22));
        path.lineTo(P(0.6, 0.0));
        path.lineTo(P(0.6, 1.0));
        break;
    case 'V':
        path.moveTo(P(0, 0));
        path.lineTo(P(0.5, 1));
        path.lineTo(P(1, 0));
        break;
    case 'A':
        path.moveTo(P(0, 1));
        path.lineTo(P(0.5, 0));
        path.lineTo(P(1, 1));
        path.moveTo(P(0.2, 0.64));
        path.lineTo(P(0.8, 0.64));
        break;
    case 'E':
        path.moveTo(P(0.95, 0));
        path.lineTo(P(0, 0));
        path.lineTo(P(0, 1));
        path.lineTo(P(0.95, 1));
        path.moveTo(P(0, 0.5));
        path.lineTo(P(0.8, 0.5));
        break;
    case 'L':
        path.moveTo(P(0, 0));
        path.lineTo(P(0, 1));
        path.lineTo(P(0.95, 1));
        break;
    case 'T':
        path.moveTo(P(0, 0));
        path.lineTo(P(1, 0));
        path.moveTo(P(0.5, 0));
        path.lineTo(P(0.5, 1));
        break;
    case 'R':
        path.moveTo(P(0, 1));
        path.lineTo(P(0, 0));
        path.lineTo(P(0.6, 0));
        path.cubicTo(P(1.05, 0), P(1.05, 0.52), P(0.6, 0.52));
        path.lineTo(P(0, 0.52));
        path.moveTo(P(0.55, 0.52));
        path.lineTo(P(1, 1));
        break;
    case 'N':
        path.moveTo(P(0, 1));
        path.lineTo(P(0, 0));
        path.lineTo(P(1, 1));
        path.lineTo(P(1, 0));
        break;
    case 'K':
        path.moveTo(P(0, 0));
        path.lineTo(P(0, 1));
        path.moveTo(P(1, 0));
        path.lineTo(P(0, 0.55));
        path.moveTo(P(0.3, 0.38));
        path.lineTo(P(1, 1));
        break;
    case 'I':
        path.moveTo(P(0.5, 0));
        path.lineTo(P(0.5, 1));
        break;
    case '+':
        path.moveTo(P(0, 0.5));
        path.lineTo(P(1, 0.5));
        path.moveTo(P(0.5, 0.5 - kAspect * 0.5));
        path.lineTo(P(0.5, 0.5 + kAspect * 0.5));
        break;
    case '-':
        path.moveTo(P(0.1, 0.5));
        path.lineTo(P(0.9, 0.5));
        break;
    default:
        break;
    }
    return path;
}

} // namespace

qreal glyph(QPainter &p, QChar c, qreal x, qreal y, qreal h, const QColor &color, qreal width)
{
    if (c == QLatin1Char(' '))
        return h * 0.5;
    stroke(p, glyphPath(c, x, y, h), color, width);
    return h * kAspect;
}

qreal textWidth(const QString &text, qreal h)
{
    qreal w = 0;
    for (int i = 0; i < text.size(); ++i) {
        w += text.at(i) == QLatin1Char(' ') ? h * 0.5 : h * kAspect;
        if (i + 1 < text.size())
            w += h * 0.3;
    }
    return w;
}

void text(QPainter &p, const QString &s, qreal x, qreal y, qreal h, const QColor &color, qreal width)
{
    for (const QChar c : s)
        x += glyph(p, c, x, y, h, color, width) + h * 0.3;
}

} // namespace art
