#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>

// The painted background of the item sheet window: field, frame, white input boxes, labels, pictures,
// the crest and the five command captions, and the lit caption pieces that serve as hover buttons.
namespace SheetArtwork {

// The sheet fills the window: its size in the window's own pixels.
inline constexpr QSize kSheetSize(632, 426);

// The command captions, each with its hover button: Add, Edit, Remove, SAVE and EXIT.
inline constexpr int kCaptionCount = 5;

// How the command captions are filled: turquoise, or white as under the pointer.
enum class Captions { Plain, Lit };

// Paints the sheet (Format_RGB32) at scale device pixels per window pixel, as an image of that device pixel ratio;
// with lit captions every pixel but the captions' letters is the same.
QImage PaintItemSheet(Captions captions, qreal scale = 1.0);

// The hover button area over caption index 0..4 (Add, Edit, Remove, SAVE, EXIT); an empty rect for any other index.
QRect CaptionButtonRect(int index);

// The piece of litSheet under CaptionButtonRect(index), at litSheet's scale; a null pixmap for an unknown index,
// or where the scale does not put the area's edges on whole device pixels.
QPixmap CaptionButtonPicture(const QImage& litSheet, int index);

// The device pixels of a window area at scale, where its edges fall on whole device pixels; else an empty rect.
QRect DevicePixels(const QRect& area, qreal scale);

} // namespace SheetArtwork
