#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>

class QPainter;

// The surface of the item sheet: the turquoise field, its black frame and the white input boxes.
namespace SheetArtworkField {

// Fills the whole sheet with the softly lit, grained turquoise field.
void PaintField(QImage& sheet);

// Paints the black frame, frameWidth pixels wide, with a fine bevel where it meets the field.
void PaintFrame(QPainter& painter, const QSize& sheetSize, int frameWidth);

// The soft shadow that a white box at box casts down and to the right; painted before the box itself.
void PaintBoxShadow(QImage& sheet, const QRectF& box);

// A plain white rounded box whose 2-pixel black outline covers the outermost pixels of box.
void PaintWhiteBox(QPainter& painter, const QRectF& box);

// A short engraved rule centred on centre, with a small diamond in the middle.
void PaintDivider(QPainter& painter, const QPointF& centre, qreal halfLength);

} // namespace SheetArtworkField
