#pragma once

#include "ui/artwork/SheetArtwork.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>

#include <array>

// What the sheet window shows at a scale of device pixels per window pixel: the plain sheet, and for each hover
// button its lit picture with the window point where the picture's top-left corner lies. The pictures baked into
// the program serve its scales (1 and 2); any other scale is painted at the first showing, and each button then
// shows its part of the whole lit sheet, which lies on the very device pixels of the plain one.
struct SheetPictures {
    QImage sheet;
    std::array<QPixmap, SheetArtwork::kCaptionCount> litCaptions;
    std::array<QPoint, SheetArtwork::kCaptionCount> litOrigins;

    static SheetPictures ForScale(qreal scale);
};
