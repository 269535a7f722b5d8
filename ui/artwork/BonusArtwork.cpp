#include "ui/artwork/BonusArtwork.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace BonusArtwork {

namespace {

QPixmap PaintOnWhite(int width, int height, qreal scale, const std::function<void(QPainter&)>& picture) {
    QImage canvas(QSizeF(width * scale, height * scale).toSize(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    picture(painter);
    painter.end();
    return QPixmap::fromImage(canvas);
}

QPen Outline(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath HeaterShield() {
    QPainterPath shield;
    shield.moveTo(5.0, 5.5);
    shield.quadTo(22.5, 1.5, 40.0, 5.5);
    shield.lineTo(40.0, 21.0);
    shield.cubicTo(40.0, 33.0, 31.0, 40.0, 22.5, 44.0);
    shield.cubicTo(14.0, 40.0, 5.0, 33.0, 5.0, 21.0);
    shield.closeSubpath();
    return shield;
}

void PaintShield(QPainter& painter) {
    const QPainterPath shield = HeaterShield();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 38));
    painter.drawPath(shield.translated(1.2, 1.6));
    QLinearGradient steel(5, 3, 40, 44);
    steel.setColorAt(0.0, QColor(236, 240, 245));
    steel.setColorAt(0.45, QColor(170, 178, 190));
    steel.setColorAt(1.0, QColor(96, 104, 118));
    painter.setBrush(steel);
    painter.setPen(Outline(QColor(44, 48, 56), 4.4));
    painter.drawPath(shield);
    painter.setPen(Outline(QColor(128, 136, 148), 2.2));
    painter.drawPath(shield);
    QRadialGradient sheen(QPointF(14, 12), 20);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 150));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawPath(HeaterShield());
    painter.setPen(Outline(QColor(255, 255, 255, 170), 0.9));
    painter.setBrush(Qt::NoBrush);
    QPainterPath innerEdge;
    innerEdge.moveTo(7.8, 20.0);
    innerEdge.lineTo(7.8, 8.0);
    innerEdge.quadTo(22.5, 4.8, 37.0, 8.0);
    painter.drawPath(innerEdge);
}

QPainterPath PlusSign(const QPointF& centre, qreal reach, qreal halfWidth) {
    QPainterPath plus;
    plus.addRoundedRect(QRectF(centre.x() - reach, centre.y() - halfWidth, 2 * reach, 2 * halfWidth), 1.2, 1.2);
    QPainterPath upright;
    upright.addRoundedRect(QRectF(centre.x() - halfWidth, centre.y() - reach, 2 * halfWidth, 2 * reach), 1.2, 1.2);
    return plus.united(upright);
}

void PaintYellowPlus(QPainter& painter) {
    const QPainterPath plus = PlusSign(QPointF(22.5, 21.5), 11.0, 3.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40, 70));
    painter.drawPath(plus.translated(1.0, 1.2));
    QLinearGradient yellow(12, 10, 33, 33);
    yellow.setColorAt(0.0, QColor(255, 248, 160));
    yellow.setColorAt(0.5, QColor(255, 214, 40));
    yellow.setColorAt(1.0, QColor(226, 150, 10));
    painter.setPen(Outline(QColor(130, 78, 8), 1.3));
    painter.setBrush(yellow);
    painter.drawPath(plus);
    painter.setPen(Outline(QColor(255, 255, 230, 220), 1.0));
    painter.drawLine(QPointF(13.0, 19.0), QPointF(19.5, 19.0));
    painter.drawLine(QPointF(20.0, 12.0), QPointF(20.0, 18.5));
}

void PaintRisingBars(QPainter& painter) {
    const qreal heights[] = {12.0, 21.0, 31.0};
    for (int bar = 0; bar < 3; ++bar) {
        const QRectF column(21.0 + bar * 8.2, 36.0 - heights[bar], 6.8, heights[bar]);
        QLinearGradient green(column.left(), 0, column.right(), 0);
        green.setColorAt(0.0, QColor(150, 232, 110));
        green.setColorAt(0.5, QColor(70, 184, 64));
        green.setColorAt(1.0, QColor(30, 120, 40));
        painter.setPen(Outline(QColor(18, 76, 26), 1.2));
        painter.setBrush(green);
        painter.drawRoundedRect(column, 1.2, 1.2);
        painter.setPen(Outline(QColor(230, 255, 210, 200), 0.9));
        painter.drawLine(column.topLeft() + QPointF(1.6, 1.8), column.bottomLeft() + QPointF(1.6, -1.6));
    }
    painter.setPen(Outline(QColor(120, 130, 140), 1.4));
    painter.drawLine(QPointF(19.0, 37.0), QPointF(44.5, 37.0));
}

void PaintUpArrow(QPainter& painter) {
    QPainterPath arrow;
    arrow.moveTo(10.5, 2.0);
    arrow.lineTo(19.5, 14.5);
    arrow.lineTo(14.0, 14.5);
    arrow.lineTo(14.0, 36.5);
    arrow.lineTo(7.0, 36.5);
    arrow.lineTo(7.0, 14.5);
    arrow.lineTo(1.5, 14.5);
    arrow.closeSubpath();
    QLinearGradient blue(1.5, 0, 19.5, 0);
    blue.setColorAt(0.0, QColor(140, 200, 255));
    blue.setColorAt(0.5, QColor(50, 130, 230));
    blue.setColorAt(1.0, QColor(20, 70, 170));
    painter.setPen(Outline(QColor(14, 40, 110), 1.3));
    painter.setBrush(blue);
    painter.drawPath(arrow);
    painter.setPen(Outline(QColor(235, 248, 255, 210), 0.9));
    painter.drawLine(QPointF(4.5, 13.2), QPointF(10.3, 5.0));
    painter.drawLine(QPointF(8.6, 16.5), QPointF(8.6, 34.5));
}

void PaintRoundButton(QPainter& painter, const QColor& light, const QColor& body, const QColor& deep) {
    const QPointF centre(16.0, 16.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(centre + QPointF(0.6, 1.0), 14.6, 14.6);
    QLinearGradient rim(0, 1, 0, 31);
    rim.setColorAt(0.0, deep.lighter(150));
    rim.setColorAt(1.0, deep.darker(160));
    painter.setBrush(rim);
    painter.drawEllipse(centre, 14.6, 14.6);
    QRadialGradient dome(QPointF(12.5, 10.0), 17.0);
    dome.setColorAt(0.0, light);
    dome.setColorAt(0.55, body);
    dome.setColorAt(1.0, deep);
    painter.setBrush(dome);
    painter.drawEllipse(centre, 12.8, 12.8);
    QLinearGradient gloss(0, 3.5, 0, 15.0);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 190));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.drawEllipse(QRectF(7.0, 4.2, 18.0, 11.0));
}

void PaintWhiteMark(QPainter& painter, qreal angle) {
    painter.save();
    painter.translate(16.0, 16.5);
    painter.rotate(angle);
    const QPainterPath mark = PlusSign(QPointF(0, 0), 7.6, 2.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 30, 90));
    painter.drawPath(mark.translated(0.5, 0.9));
    painter.setBrush(Qt::white);
    painter.drawPath(mark);
    painter.restore();
}

} // namespace

QPixmap ShieldPlusPicture(qreal scale) {
    return PaintOnWhite(46, 47, scale, [](QPainter& painter) {
        PaintShield(painter);
        PaintYellowPlus(painter);
    });
}

QPixmap ArrowBarsPicture(qreal scale) {
    return PaintOnWhite(46, 39, scale, [](QPainter& painter) {
        PaintRisingBars(painter);
        PaintUpArrow(painter);
    });
}

QPixmap AddButtonGlyph(qreal scale) {
    return PaintOnWhite(32, 32, scale, [](QPainter& painter) {
        PaintRoundButton(painter, QColor(150, 210, 255), QColor(40, 120, 226), QColor(12, 52, 140));
        PaintWhiteMark(painter, 0.0);
    });
}

QPixmap CancelButtonGlyph(qreal scale) {
    return PaintOnWhite(32, 32, scale, [](QPainter& painter) {
        PaintRoundButton(painter, QColor(255, 160, 150), QColor(220, 44, 40), QColor(130, 14, 16));
        PaintWhiteMark(painter, 45.0);
    });
}

} // namespace BonusArtwork
