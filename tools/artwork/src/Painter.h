#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art {

// House colours: one ink for outlines, one accent for the measured quantity.
inline const QColor kInk(0x2F, 0x3B, 0x45);
inline const QColor kAccent(0x1F, 0x8A, 0x8A);
inline const QColor kPaper(0xF5, 0xF7, 0xF8);

// Colours the icon motifs are drawn with; the drawer needs a light set for its dark panel.
struct Palette
{
    QColor ink;
    QColor accent;
    QColor onAccent;
};
inline const Palette kOnLight{kInk, kAccent, Qt::white};
inline const Palette kOnDark{QColor(0xF2, 0xF5, 0xF7), QColor(0x6C, 0xCB, 0xC8), kInk};

const Palette &palette();
void setPalette(const Palette &palette);
inline QColor ink()
{
    return palette().ink;
}
inline QColor accent()
{
    return palette().accent;
}

// Icons are designed on a 48-unit grid; 2.5 units give a 5 px line at 96 px.
constexpr qreal kGrid = 48.0;
constexpr qreal kLine = 2.5;

QImage blankImage(int width, int height);
void beginGrid(QPainter &p, int sizePx);

QPen linePen(const QColor &color, qreal width = kLine);
void stroke(QPainter &p, const QPainterPath &path, const QColor &color, qreal width = kLine);
void strokeLine(QPainter &p, QPointF a, QPointF b, const QColor &color, qreal width = kLine);
void fillPath(QPainter &p, const QPainterPath &path, const QColor &color);
void dot(QPainter &p, QPointF c, qreal r, const QColor &color);
void clearPath(QPainter &p, const QPainterPath &path);

QPainterPath circle(QPointF c, qreal r);
QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal r);
QPainterPath dropShape(qreal cx, qreal top, qreal cy, qreal r);
QPainterPath arrow(QPointF from, QPointF to, qreal head = 5.0);
QPainterPath arrowHead(QPointF tip, qreal angleDeg, qreal head = 5.0);

// Minimal stroke lettering, so the artwork does not depend on installed fonts.
// (x, y) is the top-left corner, h the cap height; returns the advance.
qreal glyph(QPainter &p, QChar c, qreal x, qreal y, qreal h, const QColor &color, qreal width);
qreal textWidth(const QString &text, qreal h);
void text(QPainter &p, const QString &text, qreal x, qreal y, qreal h, const QColor &color, qreal width);

} // namespace art
