#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// Text outlines fitted into exact pixel boxes, so every painted word lands where the sheet layout puts it,
// whichever of the fallback fonts the machine provides.
namespace SheetArtworkText {

// How black a label's letters are: the fields' labels are bold, the command captions the blackest cut available.
enum class Weight { Bold, Black };

// A bold sans font found on Windows and Debian alike, of that weight.
QFont LabelFont(Weight weight);

// A bold serif font for the title on the crest ribbon.
QFont TitleFont();

// The outline of text scaled and centred so that its ink fills box; the horizontal and vertical scales
// differ by at most the factor maxStretch, and the ink never leaves box.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box, qreal maxStretch);

// The pixels x1..x2, y1..y2 (inclusive) as the area they cover.
QRectF PixelBox(int x1, int x2, int y1, int y2);

} // namespace SheetArtworkText
