#include "ui/artwork/ArtworkPicturesKit.h"

#include "ui/artwork/SheetArtworkMask.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace ArtworkPicturesKit {

QColor Ink() {
    return QColor(22, 20, 24);
}

QPen InkPen(qreal width) {
    return QPen(Ink(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient Steel(QPointF from, QPointF to) {
    QLinearGradient steel(from, to);
    steel.setColorAt(0.0, QColor(150, 160, 172));
    steel.setColorAt(0.28, QColor(240, 244, 248));
    steel.setColorAt(0.55, QColor(178, 188, 198));
    steel.setColorAt(1.0, QColor(92, 102, 116));
    return steel;
}

QLinearGradient Gold(QPointF from, QPointF to) {
    QLinearGradient gold(from, to);
    gold.setColorAt(0.0, QColor(255, 236, 150));
    gold.setColorAt(0.45, QColor(236, 184, 58));
    gold.setColorAt(1.0, QColor(160, 104, 24));
    return gold;
}

void PaintWithShadow(QPainter& painter, const QRectF& box, qreal shadowOffset,
                     const std::function<void(QPainter&)>& picture) {
    const QSize size(static_cast<int>(std::ceil(box.width())), static_cast<int>(std::ceil(box.height())));
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::Antialiasing);
        picture(layerPainter);
    }
    painter.save();
    painter.setClipRect(box);
    const QImage shadow = CoverageMask::FromAlpha(layer).Blurred().Tinted(QColor(0, 38, 42), 0.45);
    painter.drawImage(box.topLeft() + QPointF(shadowOffset, shadowOffset), shadow);
    painter.drawImage(box.topLeft(), layer);
    painter.restore();
}

} // namespace ArtworkPicturesKit
