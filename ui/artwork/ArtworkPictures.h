#pragma once

#include <QRectF>

class QPainter;

// The small vector pictures beside the item sheet's fields and the crest in its top-right corner.
// Each one is drawn inside the given pixel box, with its own soft shadow.
namespace ArtworkPictures {

// A knight's great helm with a yellow pencil laid across it, beside the item name.
void PaintHelmetAndPencil(QPainter& painter, const QRectF& box);

// A plate gauntlet with raised fingers, beside the item type.
void PaintGauntlet(QPainter& painter, const QRectF& box);

// A plumed knight's head and shoulders, beside the avatar class.
void PaintKnightBust(QPainter& painter, const QRectF& box);

// A tied leather purse with gold coins, beside the price.
void PaintMoneyBag(QPainter& painter, const QRectF& box);

// Three gem-coloured cubes stacked as a pyramid, beside the stack size.
void PaintThreeCubes(QPainter& painter, const QRectF& box);

// A shield on crossed sword and staff above a ribbon carrying the product title.
void PaintCrest(QPainter& painter, const QRectF& box);

// The program's icon, from the crest: its shield on crossed sword and staff, or at the smallest sizes the shield
// alone, which still reads there.
void PaintProgramIcon(QPainter& painter, const QRectF& box);

} // namespace ArtworkPictures
