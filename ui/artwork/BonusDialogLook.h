#pragma once

#include <QFont>
#include <QPixmap>
#include <QRectF>
#include <QString>

// The bonus dialog's fonts and its flat look.
class QPainter;

namespace BonusDialogLook {

// "Arial Black" at the given pixel height; where the machine lacks it, the heaviest sans-serif it has.
QFont HeavyFont(int pixelSize);

// A button's picture as a picture button draws it: the background colour (that of its bottom-left pixel) is
// transparent wherever it reaches the picture's edge, so that the button face shows around the picture while the
// same colour inside it stays; spacing transparent columns on its right keep it off the caption.
QPixmap ButtonGlyph(const QPixmap& picture, int spacing);

// The size of a picture in window pixels, whatever its scale.
QSize WindowSize(const QPixmap& picture);

// The small solid arrow of an arrow button, centred in box, greyed when the button is disabled.
void PaintArrow(QPainter& painter, const QRectF& box, bool up, bool enabled);

// Flat single-line borders on white for the kind list and the number box, and light flat buttons; dark text on
// white throughout, whatever the desktop's colour scheme.
QString StyleSheet();

} // namespace BonusDialogLook
