#pragma once

#include <QImage>
#include <QPixmap>

// The item sheet's artwork as sheet_artwork_baker painted it when the program was built, embedded in the program:
// the window shows these pixels instead of painting the artwork at every start.
namespace BakedArtwork {

// The plain sheet, the same image as SheetArtwork::PaintItemSheet(false) gives on the building machine.
QImage ItemSheet();

// The lit caption piece of hover button index 0..4, the same as SheetArtwork::CaptionButtonPicture of the lit
// sheet; a null pixmap for any other index.
QPixmap LitCaptionButton(int index);

} // namespace BakedArtwork
