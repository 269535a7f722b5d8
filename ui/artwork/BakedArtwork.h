#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The item sheet's artwork as sheet_artwork_baker painted it when the program was built, embedded in the program
// for screens of one and of two device pixels per window pixel: the window shows these pixels instead of painting
// the artwork at every start.
namespace BakedArtwork {

// The plain sheet at scale, the same image as SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Plain, scale) gives
// on the building machine; a null image for a scale that was not baked.
QImage ItemSheet(qreal scale);

// The lit caption piece of hover button index 0..4 at scale, the same as SheetArtwork::CaptionButtonPicture of
// the lit sheet; a null pixmap for any other index or a scale that was not baked.
QPixmap LitCaptionButton(int index, qreal scale);

// The program's icon at the window icon's sizes, read only when a window first shows it.
QIcon ProgramIcon();

} // namespace BakedArtwork
