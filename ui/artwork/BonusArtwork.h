#pragma once

#include <QPixmap>

// The pictures of the bonus dialog, each drawn on white so that it blends with the dialog's white background, at
// scale device pixels per window pixel; the sizes below are in window pixels.
namespace BonusArtwork {

// A 46 x 47 grey steel shield bearing a yellow plus, shown beside the bonus kind.
QPixmap ShieldPlusPicture(qreal scale);

// A 46 x 39 blue upward arrow beside three rising green bars, shown beside the bonus value.
QPixmap ArrowBarsPicture(qreal scale);

// A 32 x 32 glossy blue round button with a white plus, for the confirm button.
QPixmap AddButtonGlyph(qreal scale);

// A 32 x 32 glossy red round button with a white cross, for the cancel button.
QPixmap CancelButtonGlyph(qreal scale);

} // namespace BonusArtwork
