#include "dcdrive/ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace dcdrive::ui {
namespace {

constexpr int kIconSize = 24;

QPixmap Blank(int width, int height, qreal ratio = 1.0)
{
    QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Folder(QPainter& p)
{
    QPainterPath back;
    back.moveTo(2, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(21, 8);
    back.lineTo(21, 20);
    back.lineTo(2, 20);
    back.closeSubpath();
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawPath(back);
    QPolygonF front;
    front << QPointF(4, 11) << QPointF(23, 11) << QPointF(21, 20) << QPointF(2, 20);
    p.setBrush(QColor(252, 222, 120));
    p.drawPolygon(front);
}

void Disk(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(QColor(60, 100, 190));
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(6.5, 13.5, 11, 8));
    p.setBrush(QColor(20, 40, 110));
    p.drawRect(QRectF(13.5, 3.5, 2, 4));
}

// A small speed curve of a duty cycle inside `r`.
void SpeedCurve(QPainter& p, const QRectF& r, qreal width)
{
    const auto at
        = [&](qreal x, qreal y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    QPolygonF curve;
    curve << at(0, 1) << at(0.2, 0.1) << at(0.5, 0.1) << at(0.6, 0.55) << at(0.8, 0.55) << at(1, 1);
    p.setPen(QPen(QColor(220, 0, 0), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(curve);
}

// A small motor seen from the side inside `r`.
void SmallMotor(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(90, 130, 170));
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width() * 0.8, r.height()), 2, 2);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(r.left() + r.width() * 0.8, r.center().y() - 1, r.width() * 0.2, 2));
}

void Page(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2.5, 15, 19));
    p.setPen(QPen(QColor(60, 60, 140), 1));
    for (int y = 6; y <= 18; y += 3)
        p.drawLine(QPointF(7, y + 0.5), QPointF(y == 18 ? 13 : 17, y + 0.5));
}

void Axes(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawLine(QPointF(3, 2), QPointF(3, 21));
    p.drawLine(QPointF(3, 21), QPointF(22, 21));
}

void Tick(QPainter& p)
{
    p.setPen(QPen(QColor(0, 140, 40), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF tick;
    tick << QPointF(4, 12) << QPointF(10, 18) << QPointF(20, 5);
    p.drawPolyline(tick);
}

void Cross(QPainter& p, const QRectF& r, qreal width)
{
    p.setPen(QPen(QColor(210, 20, 20), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

void Calculator(QPainter& p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(4.5, 1.5, 15, 21), 2, 2);
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(6.5, 3.5, 11, 5));
    p.setBrush(QColor(90, 90, 90));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            p.drawRect(QRectF(6.5 + column * 4, 10.5 + row * 4, 2.5, 2.5));
    }
}

void Door(QPainter& p)
{
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(5.5, 2.5, 12, 19));
    QPolygonF leaf;
    leaf << QPointF(5.5, 2.5) << QPointF(12.5, 5.5) << QPointF(12.5, 23.5) << QPointF(5.5, 21.5);
    p.setBrush(QColor(200, 150, 90));
    p.drawPolygon(leaf);
    p.setPen(QPen(QColor(0, 120, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(14, 12), QPointF(22, 12));
    QPolygonF head;
    head << QPointF(19, 9) << QPointF(22, 12) << QPointF(19, 15);
    p.drawPolyline(head);
}

void Grid(QPainter& p)
{
    p.setPen(QPen(QColor(100, 100, 100), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 4.5, 19, 15));
    for (int y = 9; y < 19; y += 5)
        p.drawLine(QPointF(2.5, y + 0.5), QPointF(21.5, y + 0.5));
    for (int x = 8; x < 21; x += 6)
        p.drawLine(QPointF(x + 0.5, 4.5), QPointF(x + 0.5, 19.5));
}

} // namespace

QIcon ButtonIcon(ButtonImage image)
{
    QIcon icon;
    for (const qreal ratio : { 1.0, 2.0 }) {
        QPixmap pixmap = Blank(kIconSize, kIconSize, ratio);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        switch (image) {
        case ButtonImage::OpenDiagram:
            Folder(p);
            SpeedCurve(p, QRectF(7, 12, 12, 6), 1.5);
            break;
        case ButtonImage::OpenMotor:
            Folder(p);
            SmallMotor(p, QRectF(7, 12.5, 12, 6));
            break;
        case ButtonImage::SaveDiagram:
            Disk(p);
            SpeedCurve(p, QRectF(7.5, 14.5, 9, 6), 1.2);
            break;
        case ButtonImage::SaveMotor:
            Disk(p);
            SmallMotor(p, QRectF(7.5, 15, 9, 5));
            break;
        case ButtonImage::SavePicture:
            Disk(p);
            p.setPen(QPen(QColor(0, 120, 0), 1.2));
            p.drawLine(QPointF(7.5, 20), QPointF(11, 15.5));
            p.drawLine(QPointF(11, 15.5), QPointF(16.5, 20));
            p.setBrush(QColor(250, 200, 0));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(15, 16), 1.5, 1.5);
            break;
        case ButtonImage::Results:
            Page(p);
            break;
        case ButtonImage::Clear:
            Page(p);
            Cross(p, QRectF(11, 11, 10, 10), 2.5);
            break;
        case ButtonImage::Chart:
            Axes(p);
            SpeedCurve(p, QRectF(5, 4, 16, 15), 2);
            break;
        case ButtonImage::Reset:
            Grid(p);
            Cross(p, QRectF(7, 6, 10, 11), 2.5);
            break;
        case ButtonImage::Accept:
            Tick(p);
            break;
        case ButtonImage::Cancel:
            Cross(p, QRectF(5, 5, 14, 14), 3.5);
            break;
        case ButtonImage::Calculate:
            Calculator(p);
            break;
        case ButtonImage::Exit:
            Door(p);
            break;
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ProgramIcon()
{
    // The design of the desktop icon: the motor circle with the straight and dashed lines of
    // direct current.
    QIcon icon;
    for (const int size : { 16, 32, 64 }) {
        QPixmap pixmap = Blank(size, size);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6b, 0x2d, 0x1f));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        p.setPen(QPen(QColor(0xf2, 0xb6, 0x32), 4));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(32, 32), 21, 21);
        p.setPen(QPen(QColor(0x6b, 0x2d, 0x1f), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 27), QPointF(46, 27));
        for (const qreal x : { 18.0, 29.0, 39.0 })
            p.drawLine(QPointF(x, 37), QPointF(x + (x == 29.0 ? 6 : 7), 37));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap AboutPicture()
{
    QPixmap pixmap = Blank(189, 177);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The speed curve of a duty cycle, forward and reverse, behind the motor.
    p.setPen(QPen(QColor(180, 180, 180), 1));
    p.drawLine(QPointF(10, 8), QPointF(10, 70));
    p.drawLine(QPointF(10, 40), QPointF(180, 40));
    QPolygonF curve;
    curve << QPointF(10, 40) << QPointF(30, 12) << QPointF(75, 12) << QPointF(90, 28) << QPointF(115, 28)
          << QPointF(125, 40) << QPointF(140, 62) << QPointF(165, 62) << QPointF(178, 40);
    p.setPen(QPen(QColor(220, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(curve);

    // The base.
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(QColor(110, 110, 110));
    p.drawRect(QRectF(28, 150, 120, 10));
    p.drawRect(QRectF(40, 135, 12, 15));
    p.drawRect(QRectF(124, 135, 12, 15));

    // The frame with its cooling ribs.
    QLinearGradient body(0, 80, 0, 145);
    body.setColorAt(0, QColor(150, 185, 215));
    body.setColorAt(0.5, QColor(70, 110, 150));
    body.setColorAt(1, QColor(30, 55, 85));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(30, 80, 115, 62), 8, 8);
    p.setPen(QPen(QColor(25, 45, 70, 140), 1));
    for (int x = 42; x < 140; x += 8)
        p.drawLine(QPointF(x, 84), QPointF(x, 138));

    // The end shield, the shaft and the terminal box.
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(141, 88, 12, 46), 4, 4);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(153, 106, 24, 10));
    p.setBrush(QColor(80, 80, 80));
    p.drawRect(QRectF(166, 106, 4, 4));
    p.setBrush(QColor(60, 90, 120));
    p.drawRect(QRectF(70, 64, 36, 17));
    p.setBrush(QColor(230, 60, 40));
    p.drawEllipse(QPointF(80, 72), 3.5, 3.5);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(96, 72), 3.5, 3.5);
    // The signs of the two terminals: plus and minus.
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(78, 72), QPointF(82, 72));
    p.drawLine(QPointF(80, 70), QPointF(80, 74));
    p.drawLine(QPointF(94, 72), QPointF(98, 72));
    p.end();
    return pixmap;
}

QPixmap AboutClosePicture()
{
    QPixmap pixmap = Blank(41, 22);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 22);
    face.setColorAt(0, QColor(235, 245, 235));
    face.setColorAt(1, QColor(170, 205, 170));
    p.setPen(QPen(QColor(60, 110, 60), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, 40, 21), 4, 4);
    p.setPen(QPen(QColor(0, 130, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF tick;
    tick << QPointF(13, 11) << QPointF(18, 16) << QPointF(28, 6);
    p.drawPolyline(tick);
    p.end();
    return pixmap;
}

} // namespace dcdrive::ui
