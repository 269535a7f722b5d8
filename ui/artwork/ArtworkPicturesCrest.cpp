#include "ui/artwork/ArtworkPictures.h"

#include "ui/artwork/ArtworkPicturesKit.h"
#include "ui/artwork/SheetArtworkText.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace ArtworkPictures {

using namespace ArtworkPicturesKit;

namespace {

// The crest is laid out on a 185 x 115 pixel plate, symmetric about this column.
constexpr qreal kAxis = 92.0;
constexpr qreal kRibbonLeft = 14.0;
constexpr qreal kRibbonRight = 2 * kAxis - kRibbonLeft;
constexpr qreal kRibbonTop = 84.0;
constexpr qreal kRibbonHeight = 20.0;
constexpr qreal kRibbonBend = 8.0;

// Turns the painter so that +x runs from `from` towards `to`; returns that length.
qreal AlignAlong(QPainter& painter, const QPointF& from, const QPointF& to) {
    const QPointF along = to - from;
    painter.translate(from);
    painter.rotate(qRadiansToDegrees(std::atan2(along.y(), along.x())));
    return std::hypot(along.x(), along.y());
}

void PaintSword(QPainter& painter, const QPointF& pommel, const QPointF& tip) {
    painter.save();
    const qreal length = AlignAlong(painter, pommel, tip);
    QPolygonF blade(
        {QPointF(23, -4), QPointF(length - 10, -4), QPointF(length, 0), QPointF(length - 10, 4), QPointF(23, 4)});
    painter.setPen(InkPen(1.2));
    painter.setBrush(Steel(QPointF(0, -4), QPointF(0, 4)));
    painter.drawPolygon(blade);
    painter.setPen(QPen(QColor(90, 100, 114), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(26, 0), QPointF(length - 16, 0));
    QLinearGradient leather(0, -2.2, 0, 2.2);
    leather.setColorAt(0.0, QColor(150, 92, 52));
    leather.setColorAt(1.0, QColor(74, 40, 20));
    painter.setPen(InkPen(1.0));
    painter.setBrush(leather);
    painter.drawRect(QRectF(5.5, -2.2, 14.0, 4.4));
    painter.setPen(QPen(QColor(40, 20, 8, 180), 0.8));
    for (qreal u = 8.0; u < 19.0; u += 3.0)
        painter.drawLine(QPointF(u, -2.0), QPointF(u + 1.6, 2.0));
    painter.setPen(InkPen(1.0));
    painter.setBrush(Gold(QPointF(0, -11), QPointF(0, 11)));
    painter.drawRoundedRect(QRectF(19.0, -11.0, 4.2, 22.0), 1.6, 1.6);
    painter.setBrush(Gold(QPointF(-3, -3), QPointF(3, 3)));
    painter.drawEllipse(QPointF(3.0, 0), 3.6, 3.6);
    painter.restore();
}

void PaintStaff(QPainter& painter, const QPointF& head, const QPointF& foot) {
    QRadialGradient glow(head, 11.0);
    glow.setColorAt(0.0, QColor(170, 245, 255, 200));
    glow.setColorAt(1.0, QColor(90, 210, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(head, 11.0, 11.0);
    painter.save();
    const qreal length = AlignAlong(painter, head, foot);
    QLinearGradient wood(0, -2.6, 0, 2.6);
    wood.setColorAt(0.0, QColor(196, 140, 84));
    wood.setColorAt(1.0, QColor(96, 56, 26));
    painter.setPen(InkPen(1.1));
    painter.setBrush(wood);
    painter.drawRoundedRect(QRectF(7.0, -2.6, length - 7.0, 5.2), 2.0, 2.0);
    painter.setBrush(Gold(QPointF(0, -3.4), QPointF(0, 3.4)));
    painter.drawRect(QRectF(length - 9.0, -3.0, 3.0, 6.0));
    painter.drawRect(QRectF(7.0, -3.4, 4.0, 6.8));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ink(), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(-8.4, -8.4, 16.8, 16.8), -65 * 16, 130 * 16);
    painter.setPen(QPen(QColor(236, 184, 58), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(-8.4, -8.4, 16.8, 16.8), -65 * 16, 130 * 16);
    painter.restore();
    QRadialGradient orb(head - QPointF(2.0, 2.0), 8.0);
    orb.setColorAt(0.0, QColor(235, 255, 255));
    orb.setColorAt(0.45, QColor(80, 200, 240));
    orb.setColorAt(1.0, QColor(20, 70, 150));
    painter.setPen(InkPen(1.1));
    painter.setBrush(orb);
    painter.drawEllipse(head, 6.3, 6.3);
}

QPainterPath ShieldShape() {
    QPainterPath shield;
    shield.moveTo(60, 14);
    shield.quadTo(kAxis, 6, 124, 14);
    shield.lineTo(124, 44);
    shield.cubicTo(124, 66, 108, 80, kAxis, 88);
    shield.cubicTo(76, 80, 60, 66, 60, 44);
    shield.closeSubpath();
    return shield;
}

QPainterPath Sparkle(const QPointF& centre, qreal reach, qreal waist) {
    QPainterPath star;
    star.moveTo(centre + QPointF(0, -reach));
    star.quadTo(centre + QPointF(waist, -waist), centre + QPointF(reach, 0));
    star.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, reach));
    star.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-reach, 0));
    star.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -reach));
    star.closeSubpath();
    return star;
}

void PaintShieldField(QPainter& painter, const QPainterPath& shield) {
    painter.save();
    painter.setClipPath(shield);
    painter.setPen(Qt::NoPen);
    QLinearGradient navy(60, 10, 92, 88);
    navy.setColorAt(0.0, QColor(60, 96, 184));
    navy.setColorAt(1.0, QColor(18, 32, 88));
    painter.setBrush(navy);
    painter.drawRect(QRectF(56, 4, kAxis - 56, 90));
    QLinearGradient crimson(92, 10, 124, 88);
    crimson.setColorAt(0.0, QColor(206, 62, 66));
    crimson.setColorAt(1.0, QColor(104, 16, 28));
    painter.setBrush(crimson);
    painter.drawRect(QRectF(kAxis, 4, 128 - kAxis, 90));
    const QPolygonF chevron(
        {QPointF(56, 72), QPointF(kAxis, 40), QPointF(128, 72), QPointF(128, 60), QPointF(kAxis, 28), QPointF(56, 60)});
    painter.setPen(InkPen(1.1));
    painter.setBrush(Gold(QPointF(0, 28), QPointF(0, 72)));
    painter.drawPolygon(chevron);
    painter.setPen(QPen(QColor(255, 248, 200, 200), 0.9));
    painter.drawLine(QPointF(58, 61.2), QPointF(kAxis, 30.8));
    QRadialGradient sheen(QPointF(74, 22), 46);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRect(QRectF(56, 4, 72, 90));
    painter.restore();
}

void PaintShield(QPainter& painter) {
    const QPainterPath shield = ShieldShape();
    PaintShieldField(painter, shield);
    const QPainterPath star = Sparkle(QPointF(kAxis, 21.5), 7.5, 1.6);
    painter.setPen(InkPen(1.0));
    painter.setBrush(QColor(250, 252, 255));
    painter.drawPath(star);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ink(), 6.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shield);
    painter.setPen(
        QPen(QBrush(Gold(QPointF(60, 8), QPointF(124, 88))), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shield);
    painter.setPen(QPen(QColor(255, 246, 200, 190), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(60.2, 44), QPointF(60.2, 17));
}

// How far the ribbon has bent down at column x.
qreal RibbonSag(qreal x) {
    const qreal t = (x - kRibbonLeft) / (kRibbonRight - kRibbonLeft);
    return 2 * t * (1 - t) * kRibbonBend;
}

enum class RibbonEnd { Left, Right };

void PaintRibbonEnd(QPainter& painter, RibbonEnd end) {
    painter.save();
    if (end == RibbonEnd::Right) {
        painter.translate(2 * kAxis, 0);
        painter.scale(-1, 1);
    }
    const qreal bottom = kRibbonTop + kRibbonHeight;
    QLinearGradient tailShade(0, 90, 0, 110);
    tailShade.setColorAt(0.0, QColor(214, 184, 130));
    tailShade.setColorAt(1.0, QColor(168, 132, 84));
    painter.setPen(InkPen(1.2));
    painter.setBrush(tailShade);
    painter.drawPolygon(
        QPolygonF({QPointF(24, 90), QPointF(2, 90), QPointF(8.5, 100), QPointF(2, 110), QPointF(24, 110)}));
    painter.setBrush(QColor(126, 92, 52));
    painter.drawPolygon(
        QPolygonF({QPointF(kRibbonLeft, bottom), QPointF(24, 110), QPointF(24, bottom + RibbonSag(24))}));
    painter.restore();
}

QPainterPath RibbonBand() {
    const qreal bottom = kRibbonTop + kRibbonHeight;
    QPainterPath band;
    band.moveTo(kRibbonLeft, kRibbonTop);
    band.quadTo(kAxis, kRibbonTop + kRibbonBend, kRibbonRight, kRibbonTop);
    band.lineTo(kRibbonRight, bottom);
    band.quadTo(kAxis, bottom + kRibbonBend, kRibbonLeft, bottom);
    band.closeSubpath();
    return band;
}

// The title bends with the ribbon: every point of the outline drops by the ribbon's sag below it.
QPainterPath TitleOnRibbon() {
    const QRectF line(30, kRibbonTop + 3.5, kRibbonRight - kRibbonLeft - 32, kRibbonHeight - 7.0);
    QPainterPath title =
        SheetArtworkText::FittedText(QStringLiteral("Brindlework"), SheetArtworkText::TitleFont(), line, 1.1);
    for (int i = 0; i < title.elementCount(); ++i) {
        const QPainterPath::Element point = title.elementAt(i);
        title.setElementPositionAt(i, point.x, point.y + RibbonSag(point.x));
    }
    return title;
}

void PaintRibbon(QPainter& painter) {
    PaintRibbonEnd(painter, RibbonEnd::Left);
    PaintRibbonEnd(painter, RibbonEnd::Right);
    QLinearGradient parchment(0, kRibbonTop, 0, kRibbonTop + kRibbonHeight + kRibbonBend / 2);
    parchment.setColorAt(0.0, QColor(255, 246, 218));
    parchment.setColorAt(1.0, QColor(224, 196, 146));
    painter.setPen(InkPen(1.2));
    painter.setBrush(parchment);
    painter.drawPath(RibbonBand());
    const QPainterPath title = TitleOnRibbon();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawPath(title.translated(0, 0.8));
    painter.setBrush(QColor(84, 44, 16));
    painter.drawPath(title);
}

// The crest's shield spans these plate pixels; the program's icon is drawn around it.
const QRectF kShieldBounds(56, 4, 72, 88);
// Below this many pixels the sword and staff behind the shield would be a blur: the icon is the shield alone.
constexpr qreal kSmallestIconWithArms = 32.0;

} // namespace

void PaintProgramIcon(QPainter& painter, const QRectF& box) {
    const bool withArms = box.width() >= kSmallestIconWithArms;
    // With the arms, the plate's square around the shield; without, the shield fills the height.
    const qreal side = withArms ? 104.0 : kShieldBounds.height() + 4.0;
    const QPointF centre = kShieldBounds.center();
    PaintWithShadow(painter, box, withArms ? box.width() / 64 : 0.0, [&](QPainter& picture) {
        picture.scale(box.width() / side, box.height() / side);
        picture.translate(side / 2 - centre.x(), side / 2 - centre.y());
        if (withArms) {
            PaintStaff(picture, centre + QPointF(37, -35), centre + QPointF(-41, 41));
            PaintSword(picture, centre + QPointF(-44, -42), centre + QPointF(42, 41));
        }
        PaintShield(picture);
    });
}

void PaintCrest(QPainter& painter, const QRectF& box) {
    PaintWithShadow(painter, box, 2.0, [](QPainter& picture) {
        PaintStaff(picture, QPointF(160, 13), QPointF(30, 84));
        PaintSword(picture, QPointF(22, 6), QPointF(150, 82));
        PaintShield(picture);
        PaintRibbon(picture);
    });
}

} // namespace ArtworkPictures
