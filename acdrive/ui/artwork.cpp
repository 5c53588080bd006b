#include "acdrive/ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace acdrive::ui {
namespace {

// Glyphs are drawn on a 24 x 24 grid and scaled to the pixmap.
constexpr int kGrid = 24;

const QColor kInk(40, 48, 64);
const QColor kSpeedBlue(30, 90, 210);
const QColor kLoadRed(210, 40, 40);

void Folder(QPainter& p)
{
    QPainterPath path;
    path.moveTo(2, 6);
    path.lineTo(9, 6);
    path.lineTo(11, 8);
    path.lineTo(21, 8);
    path.lineTo(21, 20);
    path.lineTo(2, 20);
    path.closeSubpath();
    QLinearGradient fill(0, 6, 0, 20);
    fill.setColorAt(0, QColor(255, 222, 120));
    fill.setColorAt(1, QColor(232, 176, 48));
    p.setPen(QPen(QColor(150, 105, 20), 1));
    p.setBrush(fill);
    p.drawPath(path);
}

void Disk(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(60, 100, 190));
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
    p.setBrush(QColor(235, 240, 250));
    p.drawRect(QRectF(6, 3, 12, 7));
    p.setBrush(QColor(30, 50, 110));
    p.drawRect(QRectF(14, 4, 2.5, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 13, 14, 8));
}

void Page(QPainter& p)
{
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(15, 2);
    path.lineTo(20, 7);
    path.lineTo(20, 22);
    path.lineTo(5, 22);
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(15, 2), QPointF(15, 7));
    p.drawLine(QPointF(15, 7), QPointF(20, 7));
}

void TextLines(QPainter& p, double top, int count)
{
    p.setPen(QPen(QColor(90, 100, 120), 1.2));
    for (int k = 0; k < count; ++k)
        p.drawLine(QPointF(7.5, top + 3 * k), QPointF(k % 2 ? 14.5 : 17.5, top + 3 * k));
}

// A small tachogram: a trapezoid speed line over red load steps inside `box`.
void MiniTachogram(QPainter& p, const QRectF& box, double width)
{
    const double x0 = box.left(), y0 = box.bottom(), w = box.width(), h = box.height();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLoadRed, width * 0.8));
    QPolygonF steps;
    steps << QPointF(x0, y0) << QPointF(x0, y0 - h * 0.45) << QPointF(x0 + w * 0.3, y0 - h * 0.45)
          << QPointF(x0 + w * 0.3, y0 - h * 0.25) << QPointF(x0 + w * 0.7, y0 - h * 0.25)
          << QPointF(x0 + w * 0.7, y0 - h * 0.1) << QPointF(x0 + w, y0 - h * 0.1);
    p.drawPolyline(steps);
    p.setPen(QPen(kSpeedBlue, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF speed;
    speed << QPointF(x0, y0) << QPointF(x0 + w * 0.3, y0 - h) << QPointF(x0 + w * 0.7, y0 - h)
          << QPointF(x0 + w, y0);
    p.drawPolyline(speed);
}

// The motor symbol: a circle with "M" over a tilde.
void MotorSymbol(QPainter& p, const QPointF& centre, double radius, const QColor& fill, const QColor& ink)
{
    QRadialGradient shade(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    shade.setColorAt(0, fill.lighter(150));
    shade.setColorAt(1, fill);
    p.setPen(QPen(ink, std::max(1.0, radius / 8)));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
    // The letter is drawn as strokes: no font has to be loaded for the icons.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, std::max(1.0, radius / 5.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double lx = radius * 0.42, top = centre.y() - radius * 0.5, bottom = centre.y() + radius * 0.22;
    QPolygonF letter;
    letter << QPointF(centre.x() - lx, bottom) << QPointF(centre.x() - lx, top)
           << QPointF(centre.x(), centre.y() - radius * 0.02) << QPointF(centre.x() + lx, top)
           << QPointF(centre.x() + lx, bottom);
    p.drawPolyline(letter);
    QPainterPath tilde;
    const double tw = radius * 0.9, ty = centre.y() + radius * 0.48, amp = radius * 0.14;
    tilde.moveTo(centre.x() - tw / 2, ty);
    tilde.cubicTo(centre.x() - tw / 4, ty - 2 * amp, centre.x() - tw / 8, ty - 2 * amp, centre.x(), ty);
    tilde.cubicTo(
        centre.x() + tw / 8, ty + 2 * amp, centre.x() + tw / 4, ty + 2 * amp, centre.x() + tw / 2, ty);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, std::max(1.0, radius / 7), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tilde);
}

void Tick(QPainter& p, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF tick;
    tick << QPointF(4, 12.5) << QPointF(9.5, 18) << QPointF(20, 5.5);
    p.drawPolyline(tick);
}

void Cross(QPainter& p, const QRectF& box, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void Axes(QPainter& p)
{
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(3, 3), QPointF(3, 21));
    p.drawLine(QPointF(3, 21), QPointF(22, 21));
}

void DrawGlyph(QPainter& p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::OpenDiagram:
        Folder(p);
        MiniTachogram(p, QRectF(5, 10, 13, 8), 1.6);
        break;
    case Glyph::OpenMotor:
        Folder(p);
        MotorSymbol(p, QPointF(12, 14.5), 5, QColor(120, 170, 240), kInk);
        break;
    case Glyph::OpenFile:
        Folder(p);
        break;
    case Glyph::SavePicture:
        Disk(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 160, 70));
        p.drawRect(QRectF(7, 17, 2.5, 4));
        p.setBrush(QColor(220, 160, 40));
        p.drawRect(QRectF(10.5, 15, 2.5, 6));
        p.setBrush(kLoadRed);
        p.drawRect(QRectF(14, 14, 2.5, 7));
        break;
    case Glyph::SaveMotor:
        Disk(p);
        MotorSymbol(p, QPointF(12, 17), 3.6, QColor(120, 170, 240), kInk);
        break;
    case Glyph::SaveDiagram:
        Disk(p);
        MiniTachogram(p, QRectF(6, 14.5, 12, 5.5), 1.3);
        break;
    case Glyph::Results:
        Page(p);
        TextLines(p, 7.5, 5);
        break;
    case Glyph::Clear:
        Page(p);
        TextLines(p, 7.5, 5);
        Cross(p, QRectF(11, 11, 10, 10), kLoadRed, 2.4);
        break;
    case Glyph::Tachogram:
        Axes(p);
        MiniTachogram(p, QRectF(4, 5, 17, 15), 2.0);
        break;
    case Glyph::Pie: {
        const QRectF disc(2.5, 2.5, 19, 19);
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(230, 60, 60));
        p.drawPie(disc, 90 * 16, 130 * 16);
        p.setBrush(QColor(60, 200, 80));
        p.drawPie(disc, 220 * 16, 80 * 16);
        p.setBrush(QColor(250, 220, 40));
        p.drawPie(disc, 300 * 16, 60 * 16);
        p.setBrush(QColor(50, 90, 220));
        p.drawPie(disc, 0, 90 * 16);
        break;
    }
    case Glyph::Bar: {
        Axes(p);
        const QColor colours[]
            = { QColor(230, 60, 60), QColor(60, 200, 80), QColor(250, 220, 40), QColor(50, 90, 220) };
        const double heights[] = { 9, 15, 6, 12 };
        p.setPen(QPen(kInk, 0.8));
        for (int k = 0; k < 4; ++k) {
            p.setBrush(colours[k]);
            p.drawRect(QRectF(5 + 4.2 * k, 21 - heights[k], 3.4, heights[k]));
        }
        break;
    }
    case Glyph::Sample:
        p.setPen(QPen(QColor(120, 80, 30), 1));
        p.setBrush(QColor(200, 150, 90));
        p.drawRoundedRect(QRectF(4, 3, 16, 19), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 6, 12, 14));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(8.5, 1.5, 7, 3.5), 1, 1);
        p.save();
        p.scale(0.55, 0.55);
        p.translate(11, 14);
        Tick(p, QColor(30, 150, 60), 4);
        p.restore();
        break;
    case Glyph::Exit: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(QRectF(4, 2.5, 11, 19));
        p.setBrush(QColor(230, 200, 80));
        p.drawEllipse(QPointF(12.5, 12.5), 1, 1);
        p.setPen(QPen(kLoadRed, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(11, 12), QPointF(21, 12));
        QPolygonF head;
        head << QPointF(17.5, 8.5) << QPointF(21, 12) << QPointF(17.5, 15.5);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(head);
        break;
    }
    case Glyph::Build:
        Axes(p);
        MiniTachogram(p, QRectF(4, 8, 12, 12), 1.8);
        p.setPen(QPen(QColor(120, 70, 20), 1));
        p.setBrush(QColor(245, 190, 60));
        {
            QPolygonF pencil;
            pencil << QPointF(14, 12) << QPointF(21, 5) << QPointF(23, 7) << QPointF(16, 14)
                   << QPointF(13.5, 14.5);
            p.drawPolygon(pencil);
        }
        break;
    case Glyph::Reset: {
        p.setPen(QPen(QColor(150, 160, 180), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 4.5, 15, 15));
        for (int k = 1; k < 3; ++k) {
            p.drawLine(QPointF(2.5 + 5 * k, 4.5), QPointF(2.5 + 5 * k, 19.5));
            p.drawLine(QPointF(2.5, 4.5 + 5 * k), QPointF(17.5, 4.5 + 5 * k));
        }
        p.setPen(QPen(kSpeedBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 9, 12, 12), 100 * 16, 270 * 16);
        p.setBrush(kSpeedBlue);
        p.setPen(Qt::NoPen);
        QPolygonF head;
        head << QPointF(13.5, 6.5) << QPointF(17.5, 9) << QPointF(13.5, 12);
        p.drawPolygon(head);
        break;
    }
    case Glyph::Accept:
        Tick(p, QColor(30, 150, 60), 3.2);
        break;
    case Glyph::Cancel:
        Cross(p, QRectF(5, 5, 14, 14), kLoadRed, 3.2);
        break;
    }
}

QPixmap RenderGlyph(Glyph glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / double(kGrid), size / double(kGrid));
    DrawGlyph(p, glyph);
    return pixmap;
}

QPixmap RenderProgramIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double r = size * 0.46;
    MotorSymbol(p, QPointF(size / 2.0, size / 2.0), r, QColor(40, 90, 190), QColor(255, 220, 60));
    return pixmap;
}

// The stator and rotor of an induction motor in cross-section, centred at `c`.
void MotorSection(QPainter& p, const QPointF& c, double r)
{
    constexpr double pi = std::numbers::pi;
    QRadialGradient steel(c, r);
    steel.setColorAt(0.0, QColor(150, 165, 190));
    steel.setColorAt(1.0, QColor(70, 85, 110));
    p.setPen(QPen(QColor(25, 30, 45), 1.5));
    p.setBrush(steel);
    p.drawEllipse(c, r, r);
    // Stator slotCount with copper.
    const int slotCount = 24;
    for (int k = 0; k < slotCount; ++k) {
        const double a = 2 * pi * k / slotCount;
        const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * (r * 0.74);
        p.save();
        p.translate(at);
        p.rotate(a * 180 / pi);
        p.setBrush(QColor(205, 120, 50));
        p.setPen(QPen(QColor(90, 50, 20), 0.8));
        p.drawRoundedRect(QRectF(-r * 0.1, -r * 0.035, r * 0.2, r * 0.07), 1.5, 1.5);
        p.restore();
    }
    // Air gap and rotor with its cage bars.
    p.setBrush(QColor(20, 28, 48));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r * 0.6, r * 0.6);
    QRadialGradient rotor(c - QPointF(r * 0.15, r * 0.15), r * 0.6);
    rotor.setColorAt(0.0, QColor(185, 195, 215));
    rotor.setColorAt(1.0, QColor(95, 110, 135));
    p.setBrush(rotor);
    p.setPen(QPen(QColor(25, 30, 45), 1));
    p.drawEllipse(c, r * 0.56, r * 0.56);
    const int bars = 18;
    for (int k = 0; k < bars; ++k) {
        const double a = 2 * pi * (k + 0.5) / bars;
        p.setBrush(QColor(225, 190, 90));
        p.setPen(QPen(QColor(120, 90, 30), 0.6));
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * (r * 0.46), r * 0.045, r * 0.045);
    }
    p.setBrush(QColor(60, 65, 80));
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.drawEllipse(c, r * 0.14, r * 0.14);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(c.x() - r * 0.035, c.y() - r * 0.14, r * 0.07, r * 0.06));
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : { 16, 32, 64 })
        icon.addPixmap(RenderProgramIcon(size));
    return icon;
}

QIcon GlyphIcon(Glyph glyph)
{
    QIcon icon;
    icon.addPixmap(RenderGlyph(glyph, 24));
    return icon;
}

QPixmap SplashPicture(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(10, 22, 60));
    sky.setColorAt(0.55, QColor(22, 52, 110));
    sky.setColorAt(1.0, QColor(8, 16, 40));
    p.fillRect(pixmap.rect(), sky);

    // A faint chart grid with a duty cycle: the speed and the load steps.
    p.setPen(QPen(QColor(90, 130, 200, 60), 1));
    for (double x = 0; x <= w; x += 24)
        p.drawLine(QPointF(x, h * 0.42), QPointF(x, h));
    for (double y = h * 0.42; y <= h; y += 24)
        p.drawLine(QPointF(0, y), QPointF(w, y));
    const QRectF cycle(w * 0.04, h * 0.5, w * 0.92, h * 0.4);
    p.setPen(QPen(QColor(90, 170, 255, 170), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF speed;
    speed << QPointF(cycle.left(), cycle.bottom())
          << QPointF(cycle.left() + cycle.width() * 0.18, cycle.top())
          << QPointF(cycle.left() + cycle.width() * 0.5, cycle.top())
          << QPointF(cycle.left() + cycle.width() * 0.62, cycle.bottom())
          << QPointF(cycle.left() + cycle.width() * 0.8, cycle.bottom() - cycle.height() * 0.45)
          << QPointF(cycle.right(), cycle.bottom() - cycle.height() * 0.45);
    p.drawPolyline(speed);
    p.setPen(QPen(QColor(255, 90, 90, 150), 2));
    QPolygonF steps;
    const double base = cycle.bottom() - cycle.height() * 0.05;
    steps << QPointF(cycle.left(), base) << QPointF(cycle.left(), base - 30)
          << QPointF(cycle.left() + cycle.width() * 0.18, base - 30)
          << QPointF(cycle.left() + cycle.width() * 0.18, base - 14)
          << QPointF(cycle.left() + cycle.width() * 0.5, base - 14)
          << QPointF(cycle.left() + cycle.width() * 0.5, base + 6)
          << QPointF(cycle.left() + cycle.width() * 0.62, base + 6)
          << QPointF(cycle.left() + cycle.width() * 0.62, base - 22) << QPointF(cycle.right(), base - 22);
    p.drawPolyline(steps);

    // The motor in cross-section, with a glow behind it.
    const QPointF centre(w * 0.5, h * 0.66);
    const double radius = h * 0.25;
    QRadialGradient glow(centre, radius * 1.7);
    glow.setColorAt(0.0, QColor(120, 180, 255, 110));
    glow.setColorAt(1.0, QColor(120, 180, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.7, radius * 1.7);
    MotorSection(p, centre, radius);

    // A thin gold frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 180, 60), 2));
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    return pixmap;
}

} // namespace acdrive::ui
