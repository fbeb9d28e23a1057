#include "MenuIcons.h"
#include "Painter.h"

#include <QtMath>
#include <functional>

namespace art {

namespace {

using Draw = std::function<void(QPainter &)>;

enum class Badge { None, One, Two, Average, Minimum, Maximum, Down, Up };

const QPointF kBadgeCentre(38.5, 38.5);
constexpr qreal kBadgeRadius = 9.0;

void drawBadge(QPainter &p, Badge badge)
{
    const QPointF c = kBadgeCentre;
    // The gap keeps the badge readable on top of the main motif.
    clearPath(p, circle(c, kBadgeRadius + 2.2));
    dot(p, c, kBadgeRadius, accent());
    const QColor w = palette().onAccent;
    const qreal lw = 2.2;
    switch (badge) {
    case Badge::One:
        glyph(p, QLatin1Char('1'), c.x() - 3.3, c.y() - 5, 10, w, lw);
        break;
    case Badge::Two:
        glyph(p, QLatin1Char('2'), c.x() - 3.1, c.y() - 5, 10, w, lw);
        break;
    case Badge::Average:
        stroke(p, circle(c, 3.8), w, lw);
        strokeLine(p, c + QPointF(-5, 5), c + QPointF(5, -5), w, lw);
        break;
    case Badge::Minimum:
    case Badge::Down:
        stroke(p, arrow(c + QPointF(0, -5), c + QPointF(0, 5), 4.2), w, lw);
        break;
    case Badge::Maximum:
    case Badge::Up:
        stroke(p, arrow(c + QPointF(0, 5), c + QPointF(0, -5), 4.2), w, lw);
        break;
    case Badge::None:
        break;
    }
}

QImage render(int sizePx, const Draw &draw, Badge badge = Badge::None)
{
    QImage img = blankImage(sizePx, sizePx);
    QPainter p(&img);
    beginGrid(p, sizePx);
    if (badge == Badge::None) {
        draw(p);
    } else {
        // Shrink the motif towards the upper left to make room for the badge.
        p.save();
        p.translate(1, 1);
        p.scale(0.82, 0.82);
        draw(p);
        p.restore();
        drawBadge(p, badge);
    }
    return img;
}

// --- measures -------------------------------------------------------------

void thermometer(QPainter &p, qreal cx = 24, qreal top = 4, qreal bulbY = 36, qreal bulbR = 7.5, bool ticks = true)
{
    const qreal half = bulbR * 0.62;
    QPainterPath outline =
        roundedRect(cx - half, top, 2 * half, bulbY - top, half).united(circle(QPointF(cx, bulbY), bulbR));
    stroke(p, outline.simplified(), ink());
    strokeLine(p, QPointF(cx, bulbY), QPointF(cx, top + (bulbY - top) * 0.38), accent(), 3.2);
    dot(p, QPointF(cx, bulbY), bulbR * 0.52, accent());
    if (ticks) {
        for (int i = 0; i < 3; ++i) {
            const qreal y = top + 6 + i * 6;
            strokeLine(p, QPointF(cx + half + 4, y), QPointF(cx + half + 8, y), ink(), 2.0);
        }
    }
}

void sun(QPainter &p)
{
    const QPointF c(24, 24);
    stroke(p, circle(c, 8.5), ink());
    dot(p, c, 4.2, accent());
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0);
        const QPointF d(qCos(a), qSin(a));
        strokeLine(p, c + d * 14, c + d * 19.5, accent());
    }
}

void humidity(QPainter &p)
{
    stroke(p, dropShape(24, 4, 30, 14), ink());
    const qreal lw = 2.3;
    stroke(p, circle(QPointF(19, 25), 2.4), accent(), lw);
    stroke(p, circle(QPointF(29, 35), 2.4), accent(), lw);
    strokeLine(p, QPointF(30, 22), QPointF(18, 38), accent(), lw);
}

void absoluteHumidity(QPainter &p)
{
    // A volume of air (box) holding a mass of water (drop).
    QPainterPath box;
    box.addRect(QRectF(6, 16, 26, 26));
    box.moveTo(6, 16);
    box.lineTo(16, 6);
    box.lineTo(42, 6);
    box.lineTo(42, 32);
    box.lineTo(32, 42);
    box.moveTo(32, 16);
    box.lineTo(42, 6);
    stroke(p, box, ink());
    fillPath(p, dropShape(19, 20, 32, 6.5), accent());
}

void flame(QPainter &p)
{
    QPainterPath f(QPointF(24, 4));
    f.cubicTo(26, 12, 39, 19, 39, 30);
    f.cubicTo(39, 39, 32, 44, 24, 44);
    f.cubicTo(16, 44, 9, 39, 9, 30);
    f.cubicTo(9, 24, 12, 20, 15, 17);
    f.cubicTo(15, 21, 17, 24, 19, 24);
    f.cubicTo(18, 16, 21, 9, 24, 4);
    f.closeSubpath();
    stroke(p, f, ink());
    fillPath(p, dropShape(24, 25, 35, 5.5), accent());
}

void dewPoint(QPainter &p)
{
    thermometer(p, 15, 4, 36, 7, false);
    fillPath(p, dropShape(34, 12, 30, 8.5), accent());
    strokeLine(p, QPointF(25, 44), QPointF(44, 44), ink());
}

QPainterPath cloudPath(bool tall)
{
    QPainterPath cloud;
    if (tall) {
        cloud = circle(QPointF(13, 28), 10)
                    .united(circle(QPointF(25, 18), 14))
                    .united(circle(QPointF(36, 26), 10))
                    .united(roundedRect(3, 24, 42, 18, 8));
    } else {
        cloud = circle(QPointF(14, 29), 9)
                    .united(circle(QPointF(25, 21), 12))
                    .united(circle(QPointF(35, 28), 9))
                    .united(roundedRect(4, 26, 40, 14, 7));
    }
    return cloud.simplified();
}

void cloudWithText(QPainter &p, const QString &upper, const QString &lower = QString())
{
    const bool tall = !lower.isEmpty();
    stroke(p, cloudPath(tall), ink());
    auto label = [&](const QString &s, qreal y, qreal h) {
        // A trailing '2' is set as a subscript.
        const bool sub = s.endsWith(QLatin1Char('2'));
        const QString main = sub ? s.chopped(1) : s;
        const qreal subH = h * 0.62;
        const qreal w = textWidth(main, h) + (sub ? h * 0.25 + subH * 0.62 : 0);
        const qreal x = 24 - w / 2;
        text(p, main, x, y, h, accent(), 2.2);
        if (sub)
            glyph(p, QLatin1Char('2'), x + textWidth(main, h) + h * 0.25, y + h - subH + 2, subH, accent(), 2.0);
    };
    if (tall) {
        label(upper, 17, 8.5);
        label(lower, 29, 8.5);
    } else {
        label(upper, 24, 10);
    }
}

void flow(QPainter &p)
{
    strokeLine(p, QPointF(4, 10), QPointF(44, 10), ink());
    strokeLine(p, QPointF(4, 38), QPointF(44, 38), ink());
    for (qreal y : {19.0, 29.0}) {
        QPainterPath wave(QPointF(6, y));
        wave.cubicTo(12, y - 4, 16, y + 4, 22, y);
        wave.cubicTo(28, y - 4, 32, y + 4, 38, y);
        wave.addPath(arrowHead(QPointF(40, y), 0, 4.5));
        stroke(p, wave, accent());
    }
}

void pressureGauge(QPainter &p)
{
    const QPointF c(24, 26);
    QPainterPath dial;
    dial.arcMoveTo(QRectF(c.x() - 19, c.y() - 19, 38, 38), 225);
    dial.arcTo(QRectF(c.x() - 19, c.y() - 19, 38, 38), 225, -270);
    stroke(p, dial, ink());
    for (int i = 0; i <= 4; ++i) {
        const qreal a = qDegreesToRadians(225.0 - i * 67.5);
        const QPointF d(qCos(a), -qSin(a));
        strokeLine(p, c + d * 13, c + d * 15.5, ink(), 2.0);
    }
    const qreal a = qDegreesToRadians(40.0);
    strokeLine(p, c, c + QPointF(qCos(a), -qSin(a)) * 11, accent(), 3.0);
    dot(p, c, 3.4, accent());
    strokeLine(p, QPointF(15, 44), QPointF(33, 44), ink());
}

void altitude(QPainter &p)
{
    QPainterPath m(QPointF(4, 42));
    m.lineTo(18, 16);
    m.lineTo(26, 30);
    m.lineTo(32, 22);
    m.lineTo(44, 42);
    m.closeSubpath();
    stroke(p, m, ink());
    QPainterPath snow(QPointF(13.5, 24.5));
    snow.lineTo(16.5, 27);
    snow.lineTo(19.5, 24);
    snow.lineTo(21.5, 22.5);
    stroke(p, snow, ink(), 2.0);
    stroke(p, arrow(QPointF(38, 17), QPointF(38, 4), 4.5), accent());
}

void globe(QPainter &p, const QColor &color)
{
    const QPointF c(24, 24);
    const qreal r = 19;
    stroke(p, circle(c, r), color);
    QPainterPath m;
    m.addEllipse(c, r * 0.45, r);
    m.moveTo(c.x(), c.y() - r);
    m.lineTo(c.x(), c.y() + r);
    m.moveTo(c.x() - r, c.y());
    m.lineTo(c.x() + r, c.y());
    for (qreal dy : {-10.5, 10.5}) {
        const qreal half = qSqrt(r * r - dy * dy);
        m.moveTo(c.x() - half, c.y() + dy);
        m.lineTo(c.x() + half, c.y() + dy);
    }
    stroke(p, m, color, 2.0);
}

// --- pages ---------------------------------------------------------------

void plugPair(QPainter &p, qreal gap)
{
    const qreal lx = 24 - gap / 2, rx = 24 + gap / 2;
    strokeLine(p, QPointF(3, 24), QPointF(lx - 13, 24), ink());
    stroke(p, roundedRect(lx - 13, 15, 10, 18, 3), ink());
    strokeLine(p, QPointF(lx - 3, 20), QPointF(lx + 3, 20), accent());
    strokeLine(p, QPointF(lx - 3, 28), QPointF(lx + 3, 28), accent());
    stroke(p, roundedRect(rx + 3, 15, 10, 18, 3), ink());
    strokeLine(p, QPointF(rx + 13, 24), QPointF(45, 24), ink());
}

void connect(QPainter &p)
{
    plugPair(p, 0);
}

void disconnect(QPainter &p)
{
    plugPair(p, 10);
    strokeLine(p, QPointF(24, 6), QPointF(24, 11), accent(), 2.2);
    strokeLine(p, QPointF(17, 8), QPointF(19.5, 12), accent(), 2.2);
    strokeLine(p, QPointF(31, 8), QPointF(28.5, 12), accent(), 2.2);
    strokeLine(p, QPointF(24, 37), QPointF(24, 42), accent(), 2.2);
    strokeLine(p, QPointF(17, 40), QPointF(19.5, 36), accent(), 2.2);
    strokeLine(p, QPointF(31, 40), QPointF(28.5, 36), accent(), 2.2);
}

void serial(QPainter &p)
{
    QPainterPath shell(QPointF(5, 14));
    shell.lineTo(43, 14);
    shell.lineTo(38, 34);
    shell.lineTo(10, 34);
    shell.closeSubpath();
    stroke(p, shell, ink());
    for (int i = 0; i < 5; ++i)
        dot(p, QPointF(13 + i * 5.5, 21), 1.9, accent());
    for (int i = 0; i < 4; ++i)
        dot(p, QPointF(15.75 + i * 5.5, 27.5), 1.9, accent());
    strokeLine(p, QPointF(24, 34), QPointF(24, 44), ink());
}

QPainterPath sensorBody()
{
    return roundedRect(8, 4, 32, 40, 6);
}

void simulate(QPainter &p)
{
    QPen pen = linePen(ink());
    pen.setDashPattern({2.0, 1.6});
    pen.setCapStyle(Qt::FlatCap);
    p.strokePath(sensorBody(), pen);
    QPainterPath play(QPointF(19, 15));
    play.lineTo(32, 24);
    play.lineTo(19, 33);
    play.closeSubpath();
    stroke(p, play, accent());
}

QPainterPath shieldPath()
{
    QPainterPath s(QPointF(24, 4));
    s.lineTo(40, 10);
    s.cubicTo(40, 26, 35, 37, 24, 44);
    s.cubicTo(13, 37, 8, 26, 8, 10);
    s.closeSubpath();
    return s;
}

void special(QPainter &p)
{
    stroke(p, shieldPath(), ink());
    dot(p, QPointF(24, 20), 4, accent());
    strokeLine(p, QPointF(24, 22), QPointF(24, 31), accent(), 3.2);
}

void monitoring(QPainter &p)
{
    QPainterPath axes(QPointF(6, 5));
    axes.lineTo(6, 42);
    axes.lineTo(44, 42);
    stroke(p, axes, ink());
    QPainterPath chart(QPointF(11, 32));
    chart.lineTo(18, 22);
    chart.lineTo(25, 28);
    chart.lineTo(32, 13);
    chart.lineTo(41, 19);
    stroke(p, chart, accent());
    dot(p, QPointF(41, 19), 3, accent());
}

void deviceInfo(QPainter &p)
{
    stroke(p, sensorBody(), ink());
    stroke(p, roundedRect(14, 10, 20, 12, 2), ink(), 2.0);
    dot(p, QPointF(24, 28.5), 2.0, accent());
    strokeLine(p, QPointF(24, 33), QPointF(24, 39), accent(), 3.0);
}

void output(QPainter &p)
{
    stroke(p, roundedRect(4, 10, 24, 28, 4), ink());
    QPainterPath ramp(QPointF(9, 32));
    ramp.lineTo(14, 32);
    ramp.lineTo(23, 16);
    stroke(p, ramp, accent());
    stroke(p, arrow(QPointF(28, 24), QPointF(44, 24), 5), ink());
}

void sliders(QPainter &p)
{
    const qreal xs[3] = {12, 24, 36};
    const qreal knobs[3] = {30, 15, 25};
    for (int i = 0; i < 3; ++i) {
        strokeLine(p, QPointF(xs[i], 5), QPointF(xs[i], 43), ink());
        clearPath(p, circle(QPointF(xs[i], knobs[i]), 6.5));
        stroke(p, circle(QPointF(xs[i], knobs[i]), 4.2), accent());
    }
}

void relaySwitch(QPainter &p, bool closed)
{
    stroke(p, circle(QPointF(8, 18), 3), ink());
    stroke(p, circle(QPointF(40, 18), 3), ink());
    strokeLine(p, QPointF(11, 18), QPointF(14, 18), ink());
    strokeLine(p, QPointF(34, 18), QPointF(37, 18), ink());
    const QPointF lever = closed ? QPointF(34, 18) : QPointF(32, 6);
    strokeLine(p, QPointF(14, 18), lever, accent(), 3.0);
    // Mechanical link from the coil to the contact.
    QPen dash = linePen(ink(), 2.0);
    dash.setDashPattern({1.5, 1.5});
    dash.setCapStyle(Qt::FlatCap);
    QPainterPath link(QPointF(24, closed ? 20 : 13));
    link.lineTo(24, 31);
    p.strokePath(link, dash);
    stroke(p, roundedRect(15, 31, 18, 11, 2), ink());
    strokeLine(p, QPointF(15, 42), QPointF(33, 31), ink(), 2.0);
}

void relays(QPainter &p)
{
    relaySwitch(p, false);
}

void forceRelays(QPainter &p)
{
    relaySwitch(p, true);
    stroke(p, arrow(QPointF(30, 2), QPointF(30, 12.5), 4.2), accent());
    stroke(p, arrow(QPointF(18, 2), QPointF(18, 12.5), 4.2), accent());
}

void display(QPainter &p)
{
    stroke(p, roundedRect(4, 8, 40, 32, 5), ink());
    stroke(p, roundedRect(9, 13, 30, 18, 2), ink(), 2.0);
    text(p, QStringLiteral("21"), 15, 16.5, 11, accent(), 2.2);
    dot(p, QPointF(16, 35.5), 1.6, ink());
    dot(p, QPointF(24, 35.5), 1.6, ink());
    dot(p, QPointF(32, 35.5), 1.6, ink());
}

void trafficLight(QPainter &p)
{
    stroke(p, roundedRect(15, 3, 18, 42, 7), ink());
    stroke(p, circle(QPointF(24, 12), 4.2), ink(), 2.0);
    stroke(p, circle(QPointF(24, 24), 4.2), ink(), 2.0);
    dot(p, QPointF(24, 36), 5.0, accent());
}

void bus(QPainter &p)
{
    strokeLine(p, QPointF(3, 12), QPointF(45, 12), ink());
    const qreal xs[3] = {9, 24, 39};
    for (qreal x : xs) {
        strokeLine(p, QPointF(x, 12), QPointF(x, 27), ink());
        stroke(p, roundedRect(x - 6, 27, 12, 14, 2.5), ink());
        dot(p, QPointF(x, 12), 3.2, accent());
    }
}

void lora(QPainter &p)
{
    QPainterPath mast(QPointF(24, 20));
    mast.lineTo(24, 44);
    mast.moveTo(17, 44);
    mast.lineTo(31, 44);
    mast.moveTo(24, 30);
    mast.lineTo(19, 44);
    mast.moveTo(24, 30);
    mast.lineTo(29, 44);
    stroke(p, mast, ink());
    dot(p, QPointF(24, 15), 3.2, accent());
    for (qreal r : {8.0, 14.5}) {
        const QRectF box(24 - r, 15 - r, 2 * r, 2 * r);
        for (qreal from : {-35.0, 145.0}) {
            QPainterPath wave;
            wave.arcMoveTo(box, from);
            wave.arcTo(box, from, 70);
            stroke(p, wave, accent(), 2.4);
        }
    }
}

void offset(QPainter &p)
{
    QPen dash = linePen(ink());
    dash.setDashPattern({1.6, 1.6});
    dash.setCapStyle(Qt::FlatCap);
    QPainterPath base(QPointF(4, 36));
    base.lineTo(44, 36);
    p.strokePath(base, dash);
    strokeLine(p, QPointF(4, 12), QPointF(44, 12), accent());
    QPainterPath dbl = arrow(QPointF(24, 24), QPointF(24, 16), 4.5);
    dbl.addPath(arrow(QPointF(24, 24), QPointF(24, 32), 4.5));
    stroke(p, dbl, ink());
}

void wrench(QPainter &p, const QColor &color)
{
    p.save();
    p.translate(24, 24);
    p.rotate(-45);
    QPainterPath handle = roundedRect(-19, -3.8, 26, 7.6, 3.8);
    QPainterPath head = circle(QPointF(11, 0), 9);
    QPainterPath jaw;
    jaw.addRect(QRectF(12, -3.8, 10, 7.6));
    stroke(p, head.united(handle).subtracted(jaw).simplified(), color);
    dot(p, QPointF(-14.5, 0), 1.6, accent());
    p.restore();
}

void service(QPainter &p)
{
    wrench(p, ink());
}

void contact(QPainter &p)
{
    stroke(p, roundedRect(5, 11, 38, 26, 3), ink());
    QPainterPath flap(QPointF(6, 13));
    flap.lineTo(24, 27);
    flap.lineTo(42, 13);
    stroke(p, flap, accent());
}

void update(QPainter &p)
{
    const QRectF box(6, 6, 36, 36);
    QPainterPath upper;
    upper.arcMoveTo(box, 160);
    upper.arcTo(box, 160, -130);
    QPainterPath lower;
    lower.arcMoveTo(box, -20);
    lower.arcTo(box, -20, -130);
    stroke(p, upper, ink());
    stroke(p, lower, ink());
    // Heads follow the clockwise turn of the arcs.
    QPointF tip;
    tip = upper.currentPosition();
    stroke(p, arrowHead(tip, 60, 5), ink());
    tip = lower.currentPosition();
    stroke(p, arrowHead(tip, -120, 5), ink());
    stroke(p, arrow(QPointF(24, 15), QPointF(24, 32), 5), accent());
}

QPainterPath floppy()
{
    QPainterPath f(QPointF(6, 10));
    f.quadTo(6, 6, 10, 6);
    f.lineTo(34, 6);
    f.lineTo(42, 14);
    f.lineTo(42, 38);
    f.quadTo(42, 42, 38, 42);
    f.lineTo(10, 42);
    f.quadTo(6, 42, 6, 38);
    f.closeSubpath();
    return f;
}

void saveDisk(QPainter &p)
{
    stroke(p, floppy(), ink());
    QPainterPath shutter(QPointF(14, 6));
    shutter.lineTo(14, 15);
    shutter.lineTo(31, 15);
    shutter.lineTo(31, 6);
    stroke(p, shutter, ink(), 2.0);
    stroke(p, roundedRect(13, 25, 22, 12, 2), accent(), 2.2);
}

void folder(QPainter &p)
{
    QPainterPath back(QPointF(5, 38));
    back.lineTo(5, 10);
    back.lineTo(17, 10);
    back.lineTo(21, 14);
    back.lineTo(41, 14);
    back.lineTo(41, 20);
    stroke(p, back, ink());
    QPainterPath front(QPointF(5, 38));
    front.lineTo(11, 21);
    front.lineTo(45, 21);
    front.lineTo(39, 38);
    front.closeSubpath();
    stroke(p, front, ink());
    strokeLine(p, QPointF(16, 30), QPointF(34, 30), accent(), 2.4);
}

void exportDoc(QPainter &p)
{
    QPainterPath doc(QPointF(30, 17));
    doc.lineTo(30, 12);
    doc.lineTo(22, 4);
    doc.lineTo(8, 4);
    doc.lineTo(8, 44);
    doc.lineTo(30, 44);
    doc.lineTo(30, 35);
    doc.moveTo(22, 4);
    doc.lineTo(22, 12);
    doc.lineTo(30, 12);
    stroke(p, doc, ink());
    stroke(p, arrow(QPointF(17, 26), QPointF(44, 26), 5), accent());
}

void about(QPainter &p)
{
    stroke(p, circle(QPointF(24, 24), 19), ink());
    dot(p, QPointF(24, 15), 2.6, accent());
    strokeLine(p, QPointF(24, 22), QPointF(24, 34), accent(), 3.5);
}

void expertKey(QPainter &p)
{
    p.save();
    p.translate(24, 24);
    p.rotate(-45);
    stroke(p, circle(QPointF(-10, 0), 9), ink());
    dot(p, QPointF(-10, 0), 3.2, accent());
    QPainterPath shaft(QPointF(-1, 0));
    shaft.lineTo(20, 0);
    shaft.moveTo(15, 0);
    shaft.lineTo(15, 6);
    shaft.moveTo(9, 0);
    shaft.lineTo(9, 5);
    stroke(p, shaft, ink());
    p.restore();
}

void manual(QPainter &p)
{
    QPainterPath book(QPointF(24, 12));
    book.cubicTo(18, 8, 10, 8, 4, 10);
    book.lineTo(4, 40);
    book.cubicTo(10, 38, 18, 38, 24, 42);
    book.cubicTo(30, 38, 38, 38, 44, 40);
    book.lineTo(44, 10);
    book.cubicTo(38, 8, 30, 8, 24, 12);
    book.lineTo(24, 42);
    stroke(p, book, ink());
    for (qreal y : {18.0, 24.0, 30.0}) {
        strokeLine(p, QPointF(9, y), QPointF(19, y - 0.6), accent(), 2.0);
        strokeLine(p, QPointF(29, y - 0.6), QPointF(39, y), accent(), 2.0);
    }
}

void gear(QPainter &p)
{
    const QPointF c(24, 24);
    QPolygonF poly;
    const int teeth = 8;
    for (int i = 0; i < teeth; ++i) {
        const qreal base = i * 360.0 / teeth;
        for (auto [r, a] : {std::pair{14.5, -15.0}, {19.5, -8.0}, {19.5, 8.0}, {14.5, 15.0}}) {
            const qreal rad = qDegreesToRadians(base + a);
            poly << c + QPointF(qCos(rad), qSin(rad)) * r;
        }
    }
    QPainterPath g;
    g.addPolygon(poly);
    g.closeSubpath();
    stroke(p, g, ink());
    stroke(p, circle(c, 5.5), accent());
}

QPainterPath bubble(qreal x, qreal y, qreal w, qreal h, bool tailLeft)
{
    QPainterPath b = roundedRect(x, y, w, h, 4);
    QPainterPath tail;
    const qreal tx = tailLeft ? x + 7 : x + w - 7;
    tail.moveTo(tx - 3, y + h - 1);
    tail.lineTo(tailLeft ? tx - 4 : tx + 4, y + h + 6);
    tail.lineTo(tx + 4, y + h - 1);
    tail.closeSubpath();
    return b.united(tail).simplified();
}

void language(QPainter &p)
{
    stroke(p, bubble(19, 18, 25, 19, false), ink());
    for (qreal y : {24.5, 30.5})
        strokeLine(p, QPointF(31, y), QPointF(38, y), ink(), 2.0);
    const QPainterPath front = bubble(4, 5, 24, 20, true);
    // Clear a margin so the overlap reads as two separate bubbles.
    QPainterPathStroker margin;
    margin.setWidth(6);
    clearPath(p, margin.createStroke(front).united(front));
    stroke(p, front, ink());
    text(p, QStringLiteral("A"), 11.5, 9.5, 11, accent(), 2.4);
}

void home(QPainter &p)
{
    QPainterPath house(QPointF(4, 24));
    house.lineTo(24, 6);
    house.lineTo(44, 24);
    house.moveTo(10, 19);
    house.lineTo(10, 42);
    house.lineTo(38, 42);
    house.lineTo(38, 19);
    stroke(p, house, ink());
    QPainterPath door(QPointF(20, 42));
    door.lineTo(20, 30);
    door.lineTo(28, 30);
    door.lineTo(28, 42);
    stroke(p, door, accent());
}

void back(QPainter &p)
{
    QPainterPath frame(QPointF(18, 15));
    frame.lineTo(18, 8);
    frame.lineTo(42, 8);
    frame.lineTo(42, 40);
    frame.lineTo(18, 40);
    frame.lineTo(18, 33);
    stroke(p, frame, ink());
    stroke(p, arrow(QPointF(32, 24), QPointF(5, 24), 5.5), accent());
}

} // namespace

QList<NamedImage> measureIcons(int s)
{
    auto co2 = [](QPainter &p) { cloudWithText(p, QStringLiteral("CO2")); };
    auto voc = [](QPainter &p) { cloudWithText(p, QStringLiteral("VOC")); };
    auto mixed = [](QPainter &p) { cloudWithText(p, QStringLiteral("CO2"), QStringLiteral("VOC")); };
    auto thermo = [](QPainter &p) { thermometer(p); };
    return {
        {"Temperature.png", "thermometer", render(s, thermo)},
        {"Temperatur1.png", "thermometer, badge 1", render(s, thermo, Badge::One)},
        {"Temperatur2.png", "thermometer, badge 2", render(s, thermo, Badge::Two)},
        {"Temperatur_Avg.png", "thermometer, average badge", render(s, thermo, Badge::Average)},
        {"Temperatur_Min.png", "thermometer, down-arrow badge", render(s, thermo, Badge::Minimum)},
        {"Temperatur_Max.png", "thermometer, up-arrow badge", render(s, thermo, Badge::Maximum)},
        {"licht.png", "sun", render(s, sun)},
        {"Helligkeit1.png", "sun, badge 1", render(s, sun, Badge::One)},
        {"Helligkeit2.png", "sun, badge 2", render(s, sun, Badge::Two)},
        {"Helligkeit_Avg.png", "sun, average badge", render(s, sun, Badge::Average)},
        {"Helligkeit_Min.png", "sun, down-arrow badge", render(s, sun, Badge::Minimum)},
        {"Helligkeit_Max.png", "sun, up-arrow badge", render(s, sun, Badge::Maximum)},
        {"Humidity.png", "drop with a percent sign", render(s, humidity)},
        {"Absolute_Feuchte.png", "drop in a box (water per volume)", render(s, absoluteHumidity)},
        {"Enthalpie.png", "flame with a drop (heat content of moist air)", render(s, flame)},
        {"Drew.png", "thermometer and drop (dew point)", render(s, dewPoint)},
        {"Co2.png", "cloud with CO2", render(s, co2)},
        {"Voc.png", "cloud with VOC", render(s, voc)},
        {"Co2+Voc.png", "cloud with CO2 over VOC", render(s, mixed)},
        {"Flow.png", "duct with flowing air", render(s, flow)},
        {"Druck.png", "pressure gauge", render(s, pressureGauge)},
        {"altitude.png", "mountain with an up arrow", render(s, altitude)},
        {"GlobeWhiteWithMeridians.png", "white globe with meridians (for dark drawers)",
         render(s, [](QPainter &p) { globe(p, Qt::white); })},
    };
}

QList<NamedImage> pageIcons(int s)
{
    return {
        {"Connect.png", "plug and socket joined: connection manager", render(s, connect)},
        {"Serial.png", "serial D-sub connector: serial cable connection", render(s, serial)},
        {"Simulate.png", "dashed sensor with a play sign: simulate a device", render(s, simulate)},
        {"Special.png", "shield with a keyhole: internal functions (access level)", render(s, special)},
        {"Disconnect.png", "plug and socket apart: disconnect", render(s, disconnect)},
        {"Monitoring.png", "line chart: live data", render(s, monitoring)},
        {"DeviceInfo.png", "sensor with an i: device information", render(s, deviceInfo)},
        {"Output.png", "ramp in a box with an arrow out: analogue outputs", render(s, output)},
        {"General.png", "three sliders: general output settings", render(s, sliders)},
        {"Relays.png", "open relay contact over its coil: relay settings", render(s, relays)},
        {"ForceRelays.png", "closed relay contact pushed by arrows: force relays", render(s, forceRelays)},
        {"Display.png", "display showing 21: display settings", render(s, display)},
        {"TrafficLight.png", "traffic light, lowest lamp lit: traffic-light function", render(s, trafficLight)},
        {"Bus.png", "bus line with three nodes: RS485 / BACnet bus settings", render(s, bus)},
        {"LoRaWAN.png", "radio mast with waves: LoRaWAN", render(s, lora)},
        {"Offset.png", "shifted line over a dashed reference: offset settings", render(s, offset)},
        {"Service.png", "wrench: maintenance / service", render(s, service)},
        {"Contact.png", "envelope: contact", render(s, contact)},
        {"Update.png", "circular arrows around a down arrow: firmware update", render(s, update)},
        {"SaveLoad.png", "floppy disk: load/save", render(s, saveDisk)},
        {"Save.png", "floppy disk, down-arrow badge: save", render(s, saveDisk, Badge::Down)},
        {"Load.png", "open folder, up-arrow badge: load", render(s, folder, Badge::Up)},
        {"Export.png", "document with an arrow out: export", render(s, exportDoc)},
        {"Expert.png", "key: expert mode (password)", render(s, expertKey)},
        {"About.png", "i in a circle: about", render(s, about)},
        {"Manual.png", "open book: user manual", render(s, manual)},
        {"Globe.png", "globe with meridians in ink: manual online / web",
         render(s, [](QPainter &p) { globe(p, ink()); })},
        {"Settings.png", "gear: settings", render(s, gear)},
        {"Language.png", "two speech bubbles, one with an A: language settings", render(s, language)},
        {"Home.png", "house: home (host start page)", render(s, home)},
        {"Back.png", "arrow leaving a frame: back / close the plugin", render(s, back)},
    };
}

} // namespace art
