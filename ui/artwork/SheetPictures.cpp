#include "ui/artwork/SheetPictures.h"

#include "ui/artwork/BakedArtwork.h"

SheetPictures SheetPictures::ForScale(qreal scale) {
    SheetPictures pictures;
    pictures.sheet = BakedArtwork::ItemSheet(scale);
    if (!pictures.sheet.isNull()) {
        for (int index = 0; index < SheetArtwork::kCaptionCount; ++index) {
            pictures.litCaptions[index] = BakedArtwork::LitCaptionButton(index, scale);
            pictures.litOrigins[index] = SheetArtwork::CaptionButtonRect(index).topLeft();
        }
        return pictures;
    }
    pictures.sheet = SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Plain, scale);
    const QPixmap litSheet = QPixmap::fromImage(SheetArtwork::PaintItemSheet(SheetArtwork::Captions::Lit, scale));
    pictures.litCaptions.fill(litSheet);
    pictures.litOrigins.fill(QPoint());
    return pictures;
}
