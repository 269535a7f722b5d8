#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <functional>

class QPainter;

// Inks, metals and the soft drop shadow shared by the small vector pictures.
namespace ArtworkPicturesKit {

// The near-black outline ink.
QColor Ink();

// A pen of the outline ink with round caps and joins.
QPen InkPen(qreal width);

// Polished steel shading across the line from one side of a part to the other.
QLinearGradient Steel(QPointF from, QPointF to);

// Warm gold shading across the line from one side of a part to the other.
QLinearGradient Gold(QPointF from, QPointF to);

// Paints picture, drawn in box-local pixels, into box over a soft shadow that falls shadowOffset pixels
// below and to the right; nothing lands outside box.
void PaintWithShadow(QPainter& painter, const QRectF& box, qreal shadowOffset,
                     const std::function<void(QPainter&)>& picture);

} // namespace ArtworkPicturesKit
