#include "ui/artwork/ArtworkPictures.h"

#include "ui/artwork/ArtworkPicturesKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace ArtworkPictures {

using namespace ArtworkPicturesKit;

namespace {

// Two eye slits either side of the ridge and two mirrored groups of breathing holes below them.
void PaintSlitsAndBreaths(QPainter& painter, const QRectF& leftSlit, qreal gap, const QPointF& firstBreath) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 18, 24));
    const QRectF rightSlit = leftSlit.translated(leftSlit.width() + gap, 0);
    painter.drawRoundedRect(leftSlit, 1.1, 1.1);
    painter.drawRoundedRect(rightSlit, 1.1, 1.1);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QPointF hole = firstBreath + QPointF(column * 2.6, row * 2.8);
            painter.drawEllipse(hole, 0.75, 0.75);
            const QPointF mirrored(leftSlit.left() + rightSlit.right() - hole.x(), hole.y());
            painter.drawEllipse(mirrored, 0.75, 0.75);
        }
    }
}

// The metal ridge running down the middle of a helm: a bright edge beside its shadow.
void PaintRidge(QPainter& painter, qreal x, qreal top, qreal bottom) {
    painter.setPen(QPen(QColor(255, 255, 255, 190), 1.0));
    painter.drawLine(QPointF(x - 0.6, top), QPointF(x - 0.6, bottom));
    painter.setPen(QPen(QColor(50, 56, 66, 150), 1.0));
    painter.drawLine(QPointF(x + 0.8, top), QPointF(x + 0.8, bottom));
}

QPainterPath GreatHelmShape() {
    QPainterPath helm;
    helm.moveTo(4.5, 40.0);
    helm.lineTo(3.5, 20.0);
    helm.cubicTo(3.5, 9.0, 10.0, 3.0, 17.5, 3.0);
    helm.cubicTo(25.0, 3.0, 31.5, 9.0, 31.5, 20.0);
    helm.lineTo(30.5, 40.0);
    helm.quadTo(17.5, 43.5, 4.5, 40.0);
    helm.closeSubpath();
    return helm;
}

void PaintGreatHelm(QPainter& painter) {
    const QPainterPath helm = GreatHelmShape();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Steel(QPointF(3.5, 0), QPointF(31.5, 0)));
    painter.drawPath(helm);
    painter.save();
    painter.setClipPath(helm);
    painter.setBrush(Gold(QPointF(0, 11.5), QPointF(0, 15.0)));
    painter.drawRect(QRectF(0, 11.5, 40, 3.0));
    painter.setBrush(Gold(QPointF(0, 37.0), QPointF(0, 43.0)));
    painter.drawRect(QRectF(0, 37.5, 40, 6.0));
    PaintRidge(painter, 17.5, 3.5, 37.5);
    painter.restore();
    PaintSlitsAndBreaths(painter, QRectF(6.5, 17.0, 9.5, 3.2), 3.0, QPointF(8.5, 25.5));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(1.3));
    painter.drawPath(helm);
    painter.setPen(InkPen(0.7));
    painter.drawLine(QPointF(3.8, 11.5), QPointF(31.2, 11.5));
    painter.drawLine(QPointF(3.7, 14.5), QPointF(31.3, 14.5));
    painter.drawLine(QPointF(4.4, 37.5), QPointF(30.6, 37.5));
}

// A pencil lying along the +x axis from its eraser at the origin to its point at x = 43.
QPainterPath PencilShape() {
    QPainterPath pencil;
    pencil.addRoundedRect(QRectF(0, -3.5, 7.0, 7.0), 1.8, 1.8);
    QPainterPath body;
    body.addRect(QRectF(5.0, -3.6, 28.5, 7.2));
    QPainterPath cone;
    cone.moveTo(33.5, -3.5);
    cone.lineTo(43.0, 0.0);
    cone.lineTo(33.5, 3.5);
    cone.closeSubpath();
    return pencil.united(body).united(cone);
}

void PaintPencilParts(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    QLinearGradient eraser(0, -3.5, 0, 3.5);
    eraser.setColorAt(0.0, QColor(255, 190, 200));
    eraser.setColorAt(1.0, QColor(205, 90, 112));
    painter.setBrush(eraser);
    painter.drawRoundedRect(QRectF(0, -3.5, 7.0, 7.0), 1.8, 1.8);
    painter.setBrush(Steel(QPointF(0, -3.6), QPointF(0, 3.6)));
    painter.drawRect(QRectF(5.0, -3.6, 4.5, 7.2));
    QLinearGradient wood(0, -3.5, 0, 3.5);
    wood.setColorAt(0.0, QColor(248, 222, 176));
    wood.setColorAt(1.0, QColor(196, 146, 92));
    QPainterPath cone;
    cone.moveTo(33.5, -3.5);
    cone.lineTo(43.0, 0.0);
    cone.lineTo(33.5, 3.5);
    cone.closeSubpath();
    painter.setBrush(wood);
    painter.drawPath(cone);
    painter.setBrush(QColor(58, 58, 66));
    painter.drawPolygon(QPolygonF({QPointF(39.8, -1.2), QPointF(43.0, 0.0), QPointF(39.8, 1.2)}));
    // The painted facets end in points where the wood was sharpened.
    const QColor facets[] = {QColor(255, 232, 120), QColor(250, 198, 40), QColor(214, 146, 18)};
    const qreal edges[] = {-3.6, -1.2, 1.2, 3.6};
    for (int facet = 0; facet < 3; ++facet) {
        painter.setBrush(facets[facet]);
        const qreal top = edges[facet];
        const qreal bottom = edges[facet + 1];
        painter.drawPolygon(QPolygonF({QPointF(9.5, top), QPointF(33.5, top), QPointF(35.8, (top + bottom) / 2),
                                       QPointF(33.5, bottom), QPointF(9.5, bottom)}));
    }
    painter.setPen(QPen(QColor(70, 70, 80), 0.7));
    painter.drawLine(QPointF(6.6, -3.4), QPointF(6.6, 3.4));
    painter.drawLine(QPointF(8.0, -3.4), QPointF(8.0, 3.4));
}

void PaintPencil(QPainter& painter, const QPainterPath& shadowReceiver) {
    const QPointF eraserEnd(41.5, 4.0);
    const qreal angle = qRadiansToDegrees(std::atan2(40.0, -19.0));
    const QPainterPath pencil = PencilShape();
    painter.save();
    painter.setClipPath(shadowReceiver);
    painter.translate(eraserEnd + QPointF(1.3, 1.3));
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(10, 20, 30, 90));
    painter.drawPath(pencil);
    painter.restore();
    painter.save();
    painter.translate(eraserEnd);
    painter.rotate(angle);
    PaintPencilParts(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(1.1));
    painter.drawPath(pencil);
    painter.restore();
}

void PaintFinger(QPainter& painter, qreal centreX, qreal top, qreal bottom) {
    const QRectF finger(centreX - 1.9, top, 3.8, bottom - top);
    painter.setPen(InkPen(1.0));
    painter.setBrush(Steel(QPointF(finger.left(), 0), QPointF(finger.right(), 0)));
    painter.drawRoundedRect(finger, 1.9, 1.9);
    painter.setPen(QPen(QColor(40, 46, 56, 170), 0.7));
    for (qreal share : {0.36, 0.68}) {
        const qreal y = top + (bottom - top) * share;
        painter.drawLine(QPointF(finger.left() + 0.4, y), QPointF(finger.right() - 0.4, y));
    }
}

void PaintGauntletPicture(QPainter& painter) {
    const qreal tops[] = {3.0, 1.5, 2.5, 5.0};
    for (int finger = 0; finger < 4; ++finger)
        PaintFinger(painter, 10.0 + finger * 4.0, tops[finger], 15.0);
    painter.save();
    painter.translate(9.0, 20.0);
    painter.rotate(-140.0);
    painter.setPen(InkPen(1.0));
    painter.setBrush(Steel(QPointF(0, 2.1), QPointF(0, -2.1)));
    painter.drawRoundedRect(QRectF(-1.0, -2.1, 11.0, 4.2), 2.1, 2.1);
    painter.setPen(QPen(QColor(40, 46, 56, 170), 0.7));
    painter.drawLine(QPointF(5.5, -1.7), QPointF(5.5, 1.7));
    painter.restore();
    QPainterPath hand;
    hand.moveTo(8.2, 22.5);
    hand.lineTo(7.2, 13.5);
    hand.quadTo(15.5, 10.8, 24.0, 13.0);
    hand.lineTo(22.8, 22.5);
    hand.closeSubpath();
    painter.setPen(InkPen(1.0));
    painter.setBrush(Steel(QPointF(7.0, 12.0), QPointF(24.0, 22.0)));
    painter.drawPath(hand);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
    painter.drawLine(QPointF(9.0, 15.2), QPointF(21.5, 14.8));
    QPainterPath cuff;
    cuff.moveTo(8.0, 21.5);
    cuff.lineTo(22.8, 21.5);
    cuff.lineTo(25.8, 28.5);
    cuff.lineTo(5.2, 28.5);
    cuff.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Steel(QPointF(5.0, 0), QPointF(26.0, 0)));
    painter.drawPath(cuff);
    painter.setBrush(Gold(QPointF(0, 21.5), QPointF(0, 24.0)));
    painter.drawRect(QRectF(7.9, 21.5, 15.0, 2.3));
    painter.setBrush(QColor(250, 214, 110));
    painter.drawEllipse(QPointF(9.0, 26.2), 0.9, 0.9);
    painter.drawEllipse(QPointF(22.0, 26.2), 0.9, 0.9);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(1.1));
    painter.drawPath(cuff);
}

void PaintPlume(QPainter& painter) {
    QPainterPath plume;
    plume.moveTo(14.5, 4.5);
    plume.cubicTo(17.5, 0.5, 25.0, 0.5, 28.5, 5.0);
    plume.cubicTo(30.2, 7.5, 30.2, 11.0, 29.2, 15.0);
    plume.cubicTo(27.5, 10.5, 24.0, 7.0, 18.5, 6.0);
    plume.closeSubpath();
    QLinearGradient red(16.0, 1.0, 29.0, 14.0);
    red.setColorAt(0.0, QColor(250, 96, 86));
    red.setColorAt(1.0, QColor(140, 18, 30));
    painter.setPen(InkPen(1.0));
    painter.setBrush(red);
    painter.drawPath(plume);
    painter.setPen(QPen(QColor(255, 190, 180, 180), 0.7));
    painter.drawArc(QRectF(17.0, 2.5, 11.0, 10.0), 40 * 16, 70 * 16);
}

void PaintShoulders(QPainter& painter) {
    QPainterPath shoulders;
    shoulders.moveTo(1.5, 39.5);
    shoulders.lineTo(1.8, 33.0);
    shoulders.quadTo(3.0, 27.5, 9.5, 26.5);
    shoulders.lineTo(22.5, 26.5);
    shoulders.quadTo(29.0, 27.5, 30.2, 33.0);
    shoulders.lineTo(30.5, 39.5);
    shoulders.closeSubpath();
    painter.setPen(InkPen(1.1));
    painter.setBrush(Steel(QPointF(1.5, 0), QPointF(30.5, 0)));
    painter.drawPath(shoulders);
    painter.setPen(QPen(QColor(40, 46, 56, 170), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(2.2, 29.5, 14.0, 14.0), 95 * 16, 80 * 16);
    painter.drawArc(QRectF(15.8, 29.5, 14.0, 14.0), 5 * 16, 80 * 16);
    QPainterPath tabard;
    tabard.moveTo(10.5, 27.0);
    tabard.lineTo(21.5, 27.0);
    tabard.lineTo(22.5, 39.5);
    tabard.lineTo(9.5, 39.5);
    tabard.closeSubpath();
    QLinearGradient cloth(10.0, 27.0, 22.0, 39.0);
    cloth.setColorAt(0.0, QColor(76, 112, 214));
    cloth.setColorAt(1.0, QColor(26, 44, 124));
    painter.setPen(InkPen(1.0));
    painter.setBrush(cloth);
    painter.drawPath(tabard);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(246, 204, 82));
    painter.drawRect(QRectF(15.1, 29.5, 1.8, 8.0));
    painter.drawRect(QRectF(12.8, 31.8, 6.4, 1.8));
}

void PaintKnightHead(QPainter& painter) {
    QPainterPath gorget;
    gorget.addRoundedRect(QRectF(11.0, 22.0, 10.0, 6.0), 1.5, 1.5);
    painter.setPen(InkPen(1.0));
    painter.setBrush(Steel(QPointF(11.0, 0), QPointF(21.0, 0)));
    painter.drawPath(gorget);
    QPainterPath head;
    head.moveTo(8.5, 24.0);
    head.lineTo(8.0, 13.0);
    head.cubicTo(8.0, 6.5, 12.0, 3.0, 16.0, 3.0);
    head.cubicTo(20.0, 3.0, 24.0, 6.5, 24.0, 13.0);
    head.lineTo(23.5, 24.0);
    head.quadTo(16.0, 26.0, 8.5, 24.0);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Steel(QPointF(8.0, 0), QPointF(24.0, 0)));
    painter.drawPath(head);
    painter.save();
    painter.setClipPath(head);
    painter.setBrush(Gold(QPointF(0, 8.0), QPointF(0, 10.2)));
    painter.drawRect(QRectF(0, 8.0, 32, 2.0));
    PaintRidge(painter, 16.0, 3.5, 25.0);
    painter.restore();
    PaintSlitsAndBreaths(painter, QRectF(9.6, 11.6, 5.4, 2.2), 2.0, QPointF(10.4, 16.5));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(1.1));
    painter.drawPath(head);
}

} // namespace

void PaintHelmetAndPencil(QPainter& painter, const QRectF& box) {
    PaintWithShadow(painter, box, 1.0, [](QPainter& picture) {
        PaintGreatHelm(picture);
        PaintPencil(picture, GreatHelmShape());
    });
}

void PaintGauntlet(QPainter& painter, const QRectF& box) {
    PaintWithShadow(painter, box, 1.0, PaintGauntletPicture);
}

void PaintKnightBust(QPainter& painter, const QRectF& box) {
    PaintWithShadow(painter, box, 1.0, [](QPainter& picture) {
        PaintShoulders(picture);
        PaintPlume(picture);
        PaintKnightHead(picture);
    });
}

} // namespace ArtworkPictures
