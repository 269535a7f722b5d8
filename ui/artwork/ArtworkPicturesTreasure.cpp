#include "ui/artwork/ArtworkPictures.h"

#include "ui/artwork/ArtworkPicturesKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ArtworkPictures {

using namespace ArtworkPicturesKit;

namespace {

QRadialGradient Leather(QPointF light, qreal radius) {
    QRadialGradient leather(light, radius);
    leather.setColorAt(0.0, QColor(214, 160, 98));
    leather.setColorAt(0.55, QColor(156, 100, 50));
    leather.setColorAt(1.0, QColor(92, 54, 26));
    return leather;
}

void PaintPurseTop(QPainter& painter) {
    QPainterPath ruffle;
    ruffle.moveTo(12.5, 14.0);
    ruffle.lineTo(8.8, 6.5);
    ruffle.quadTo(10.5, 3.2, 13.2, 5.4);
    ruffle.quadTo(15.2, 1.8, 17.8, 4.6);
    ruffle.quadTo(20.4, 1.8, 22.4, 5.0);
    ruffle.quadTo(25.0, 3.6, 25.2, 6.8);
    ruffle.lineTo(21.0, 14.0);
    ruffle.closeSubpath();
    painter.setPen(InkPen(1.1));
    painter.setBrush(Leather(QPointF(14.0, 5.0), 12.0));
    painter.drawPath(ruffle);
    painter.setPen(QPen(QColor(70, 38, 16, 170), 0.8));
    painter.drawLine(QPointF(15.0, 6.0), QPointF(15.8, 12.0));
    painter.drawLine(QPointF(20.0, 6.0), QPointF(19.0, 12.0));
}

void PaintPurseBody(QPainter& painter) {
    QPainterPath body;
    body.moveTo(12.5, 13.5);
    body.cubicTo(2.5, 19.0, 0.5, 30.0, 2.5, 36.0);
    body.cubicTo(4.5, 42.0, 29.0, 42.5, 31.0, 36.0);
    body.cubicTo(33.0, 30.0, 31.0, 19.0, 20.5, 13.5);
    body.closeSubpath();
    painter.setPen(InkPen(1.2));
    painter.setBrush(Leather(QPointF(11.0, 23.0), 23.0));
    painter.drawPath(body);
    painter.setPen(QPen(QColor(70, 38, 16, 140), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath folds;
    folds.moveTo(13.0, 16.5);
    folds.quadTo(8.0, 21.0, 7.0, 27.0);
    folds.moveTo(20.5, 16.5);
    folds.quadTo(25.5, 21.0, 27.0, 26.0);
    painter.drawPath(folds);
    painter.setPen(QPen(QColor(255, 226, 180, 120), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(4.5, 19.0, 14.0, 18.0), 120 * 16, 70 * 16);
}

void PaintPurseTie(QPainter& painter) {
    QPainterPath cordEnd;
    cordEnd.moveTo(20.0, 14.5);
    cordEnd.cubicTo(23.0, 15.5, 23.5, 18.0, 22.5, 21.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ink(), 2.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cordEnd);
    painter.setPen(QPen(QColor(226, 180, 86), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cordEnd);
    painter.setPen(InkPen(1.0));
    painter.setBrush(Gold(QPointF(0, 11.8), QPointF(0, 15.8)));
    painter.drawRoundedRect(QRectF(10.8, 11.8, 12.0, 3.8), 1.6, 1.6);
}

void PaintCoinFace(QPainter& painter, const QPointF& centre, qreal radiusX, qreal radiusY) {
    painter.setPen(InkPen(0.9));
    painter.setBrush(Gold(centre - QPointF(radiusX, radiusY), centre + QPointF(radiusX, radiusY)));
    painter.drawEllipse(centre, radiusX, radiusY);
}

// A short stack of coins seen slightly from above: one gold cylinder with faint rims between the coins.
void PaintCoinStack(QPainter& painter, const QPointF& topCentre, qreal radiusX, qreal radiusY, qreal height) {
    QPainterPath side;
    side.moveTo(topCentre + QPointF(-radiusX, 0));
    side.lineTo(topCentre + QPointF(-radiusX, height));
    side.arcTo(QRectF(topCentre.x() - radiusX, topCentre.y() + height - radiusY, 2 * radiusX, 2 * radiusY), 180, 180);
    side.lineTo(topCentre + QPointF(radiusX, 0));
    side.closeSubpath();
    QLinearGradient metal(topCentre.x() - radiusX, 0, topCentre.x() + radiusX, 0);
    metal.setColorAt(0.0, QColor(196, 134, 34));
    metal.setColorAt(0.35, QColor(252, 214, 110));
    metal.setColorAt(1.0, QColor(150, 94, 18));
    painter.setPen(InkPen(0.9));
    painter.setBrush(metal);
    painter.drawPath(side);
    painter.setPen(QPen(QColor(120, 72, 10, 200), 0.7));
    painter.setBrush(Qt::NoBrush);
    for (qreal rim = height / 3; rim < height - 0.1; rim += height / 3)
        painter.drawArc(QRectF(topCentre.x() - radiusX, topCentre.y() + rim - radiusY, 2 * radiusX, 2 * radiusY),
                        200 * 16, 140 * 16);
    PaintCoinFace(painter, topCentre, radiusX, radiusY);
}

void PaintPurseEmblemAndCoins(QPainter& painter) {
    const QPointF emblem(16.5, 29.0);
    PaintCoinFace(painter, emblem, 5.6, 5.6);
    painter.setPen(QPen(QColor(160, 100, 24), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(emblem, 3.7, 3.7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 92, 20));
    painter.drawPolygon(QPolygonF(
        {emblem + QPointF(0, -2.2), emblem + QPointF(1.6, 0), emblem + QPointF(0, 2.2), emblem + QPointF(-1.6, 0)}));
    PaintCoinStack(painter, QPointF(29.5, 34.2), 5.4, 2.1, 6.0);
}

struct Cube {
    QPointF lowestCorner;
    QColor colour;
};

void PaintCube(QPainter& painter, const Cube& cube, qreal edge) {
    const qreal half = 0.866 * edge;
    const QPointF bottom = cube.lowestCorner;
    const QPointF left = bottom + QPointF(-half, -edge / 2);
    const QPointF right = bottom + QPointF(half, -edge / 2);
    const QPointF front = bottom + QPointF(0, -edge);
    const QPointF upperLeft = left + QPointF(0, -edge);
    const QPointF upperRight = right + QPointF(0, -edge);
    const QPointF back = front + QPointF(0, -edge);
    QLinearGradient leftFace(left, bottom);
    leftFace.setColorAt(0.0, cube.colour.lighter(112));
    leftFace.setColorAt(1.0, cube.colour);
    QLinearGradient rightFace(bottom, right);
    rightFace.setColorAt(0.0, cube.colour.darker(135));
    rightFace.setColorAt(1.0, cube.colour.darker(175));
    QLinearGradient topFace(upperLeft, upperRight);
    topFace.setColorAt(0.0, cube.colour.lighter(165));
    topFace.setColorAt(1.0, cube.colour.lighter(125));
    painter.setPen(InkPen(1.0));
    painter.setBrush(leftFace);
    painter.drawPolygon(QPolygonF({bottom, left, upperLeft, front}));
    painter.setBrush(rightFace);
    painter.drawPolygon(QPolygonF({bottom, front, upperRight, right}));
    painter.setBrush(topFace);
    painter.drawPolygon(QPolygonF({front, upperLeft, back, upperRight}));
    painter.setPen(QPen(QColor(255, 255, 255, 170), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(front + QPointF(-half + 1.8, -edge / 2 + 0.2), front + QPointF(-1.2, -0.4));
    painter.drawLine(front + QPointF(-0.7, 1.2), bottom + QPointF(-0.7, -1.2));
}

} // namespace

void PaintMoneyBag(QPainter& painter, const QRectF& box) {
    PaintWithShadow(painter, box, 1.0, [](QPainter& picture) {
        PaintPurseTop(picture);
        PaintPurseBody(picture);
        PaintPurseTie(picture);
        PaintPurseEmblemAndCoins(picture);
    });
}

void PaintThreeCubes(QPainter& painter, const QRectF& box) {
    PaintWithShadow(painter, box, 1.0, [](QPainter& picture) {
        constexpr qreal edge = 13.0;
        constexpr qreal half = 0.866 * edge;
        constexpr qreal centre = 22.75;
        constexpr qreal floor = 41.5;
        PaintCube(picture, {QPointF(centre - half, floor), QColor(196, 52, 64)}, edge);
        PaintCube(picture, {QPointF(centre + half, floor), QColor(52, 96, 204)}, edge);
        PaintCube(picture, {QPointF(centre, floor - edge), QColor(222, 170, 40)}, edge);
    });
}

} // namespace ArtworkPictures
