#include "ui/artwork/SheetArtwork.h"

#include "ui/artwork/ArtworkPictures.h"
#include "ui/artwork/SheetArtworkField.h"
#include "ui/artwork/SheetArtworkMask.h"
#include "ui/artwork/SheetArtworkText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <map>

namespace SheetArtwork {

namespace {

using SheetArtworkText::PixelBox;

constexpr int kFrameWidth = 6;

// Inclusive pixel ranges x1..x2, y1..y2, as the window's layout gives them.
struct Span {
    int x1;
    int x2;
    int y1;
    int y2;
};

struct Label {
    const char* text;
    Span span;
};

constexpr Span kWhiteBoxes[] = {
    {13, 75, 13, 76},    {228, 433, 12, 37},   {228, 433, 53, 78},   {228, 433, 93, 118},
    {12, 211, 146, 412}, {312, 405, 149, 175}, {525, 618, 149, 175}, {228, 444, 219, 412},
};

constexpr Label kLabels[] = {
    {"Name", {104, 166, 17, 33}},
    {"Type", {150, 201, 58, 79}},
    {"Avatar Class", {37, 178, 95, 111}},
    {"Description:", {13, 91, 127, 140}},
    {"PRICE", {256, 304, 156, 166}},
    {"Stack", {472, 516, 156, 166}},
    {"Item Use Bonus:", {228, 343, 201, 211}},
};

constexpr Label kCaptions[kCaptionCount] = {
    {"Add Bonus", {476, 593, 218, 234}}, {"Edit Bonus", {476, 593, 253, 269}}, {"Remove Bonus", {455, 615, 284, 300}},
    {"SAVE", {491, 578, 350, 373}},      {"EXIT", {497, 572, 388, 411}},
};

constexpr QRect kCaptionButtons[kCaptionCount] = {
    QRect(473, 214, 124, 25), QRect(473, 250, 124, 23), QRect(452, 281, 166, 23),
    QRect(488, 347, 94, 31),  QRect(494, 384, 83, 30),
};

QRectF BoxOf(const Span& span) {
    return PixelBox(span.x1, span.x2, span.y1, span.y2);
}

void PaintLabel(QPainter& painter, const Label& label) {
    // One pixel is kept free below the letters for their engraved light edge.
    const QRectF box = BoxOf(label.span).adjusted(0, 0, 0, -1);
    const QPainterPath letters = SheetArtworkText::FittedText(
        QString::fromLatin1(label.text), SheetArtworkText::LabelFont(SheetArtworkText::Weight::Bold), box, 1.15);
    painter.fillPath(letters.translated(0, 1), QColor(220, 255, 250, 90));
    painter.fillPath(letters, QColor(10, 12, 14));
}

// Draws a picture made of device pixels onto the sheet's painter, on the device pixels from corner on.
void DrawOnDevicePixels(QPainter& painter, const QPoint& corner, QImage picture, qreal scale) {
    picture.setDevicePixelRatio(scale);
    painter.drawImage(QPointF(corner) / scale, picture);
}

// The device pixels that hold a window area at any scale: its edges rounded outwards.
QRect CoveringPixels(const QRect& area, qreal scale) {
    return QRectF(QPointF(area.topLeft()) * scale, QSizeF(area.size()) * scale).toAlignedRect();
}

// The dark outline and the soft glow around a caption's letters; they are the same in the plain and the lit sheet.
// They are built on whole device pixels at scale: the outline grows by its width times the scale, and the glow
// is blurred as many times as the scale's square, which widens it by the scale.
void PaintCaptionGlow(QPainter& painter, const QPainterPath& letters, qreal scale) {
    const QRect canvas = CoveringPixels(letters.boundingRect().toAlignedRect().adjusted(-6, -6, 6, 6), scale);
    QImage shape(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter shapePainter(&shape);
        shapePainter.setRenderHint(QPainter::Antialiasing);
        shapePainter.translate(-canvas.topLeft());
        shapePainter.scale(scale, scale);
        shapePainter.fillPath(letters, Qt::black);
    }
    const CoverageMask outline = CoverageMask::FromAlpha(shape).Grown(1.1 * scale);
    CoverageMask glow = outline.Blurred();
    for (long pass = 1; pass < std::lround(scale * scale); ++pass)
        glow = glow.Blurred();
    DrawOnDevicePixels(painter, canvas.topLeft(), outline.Joined(glow, 0.7).Tinted(QColor(4, 22, 26), 1.0), scale);
}

// The outline reaches a pixel beyond the letter shapes; the ink still ends inside the caption's span.
QRectF CaptionLetterBox(const Label& caption) {
    return BoxOf(caption.span).adjusted(1.1, 1.1, -1.1, -1.1);
}

void FillCaption(QPainter& painter, const QPainterPath& letters, const QRectF& box, Captions captions) {
    if (captions == Captions::Lit) {
        painter.fillPath(letters, Qt::white);
        return;
    }
    QLinearGradient turquoise(0, box.top(), 0, box.bottom());
    turquoise.setColorAt(0.0, QColor(170, 255, 246));
    turquoise.setColorAt(0.45, QColor(72, 230, 218));
    turquoise.setColorAt(1.0, QColor(22, 168, 170));
    painter.fillPath(letters, turquoise);
}

void PaintPictures(QPainter& painter) {
    ArtworkPictures::PaintHelmetAndPencil(painter, PixelBox(174, 220, 7, 51));
    ArtworkPictures::PaintGauntlet(painter, PixelBox(108, 137, 53, 82));
    ArtworkPictures::PaintKnightBust(painter, PixelBox(185, 216, 84, 124));
    ArtworkPictures::PaintMoneyBag(painter, PixelBox(221, 257, 145, 188));
    ArtworkPictures::PaintThreeCubes(painter, PixelBox(424, 471, 142, 185));
    ArtworkPictures::PaintCrest(painter, PixelBox(438, 622, 9, 123));
}

// The plain sheet, kept for the whole run, and what the lit sheet needs on top of a copy of it: each caption's
// patch as it was before its letters were filled, and the letter shapes to fill white.
struct SheetCache {
    QImage plainSheet;
    std::array<QPainterPath, kCaptionCount> captionLetters;
    std::array<QImage, kCaptionCount> bareCaptions;
    std::array<QPoint, kCaptionCount> bareCaptionCorners; // in device pixels
};

void PaintBackdrop(QImage& sheet) {
    SheetArtworkField::PaintField(sheet);
    for (const Span& box : kWhiteBoxes)
        SheetArtworkField::PaintBoxShadow(sheet, BoxOf(box));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    SheetArtworkField::PaintFrame(painter, kSheetSize, kFrameWidth);
    for (const Span& box : kWhiteBoxes)
        SheetArtworkField::PaintWhiteBox(painter, BoxOf(box));
    // Separates the two file commands from the three bonus commands above them.
    SheetArtworkField::PaintDivider(painter, QPointF(535, 326), 62);
    for (const Label& label : kLabels)
        PaintLabel(painter, label);
    PaintPictures(painter);
}

SheetCache PaintSheetCache(qreal scale) {
    SheetCache cache;
    cache.plainSheet = QImage(CoveringPixels(QRect(QPoint(), kSheetSize), scale).size(), QImage::Format_RGB32);
    cache.plainSheet.setDevicePixelRatio(scale);
    PaintBackdrop(cache.plainSheet);
    QPainter painter(&cache.plainSheet);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int index = 0; index < kCaptionCount; ++index) {
        const Label& caption = kCaptions[index];
        const QPainterPath letters = SheetArtworkText::FittedText(
            QString::fromLatin1(caption.text), SheetArtworkText::LabelFont(SheetArtworkText::Weight::Black),
            CaptionLetterBox(caption), 1.2);
        PaintCaptionGlow(painter, letters, scale);
        const QRect patch = CoveringPixels(letters.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1), scale);
        cache.captionLetters[index] = letters;
        cache.bareCaptions[index] = cache.plainSheet.copy(patch);
        cache.bareCaptionCorners[index] = patch.topLeft();
        FillCaption(painter, letters, CaptionLetterBox(caption), Captions::Plain);
    }
    return cache;
}

// The editor asks for both sheets at start-up and they differ only in the caption letters, so the plain one is
// painted once for its scale and the lit one is made from a copy of it.
const SheetCache& SharedCache(qreal scale) {
    static std::map<qreal, SheetCache> caches;
    const auto found = caches.find(scale);
    return found != caches.end() ? found->second : caches.emplace(scale, PaintSheetCache(scale)).first->second;
}

} // namespace

QImage PaintItemSheet(Captions captions, qreal scale) {
    const SheetCache& cache = SharedCache(scale);
    if (captions == Captions::Plain)
        return cache.plainSheet;
    QImage sheet = cache.plainSheet.copy();
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int index = 0; index < kCaptionCount; ++index) {
        // The patch goes back to the very device pixels it came from.
        DrawOnDevicePixels(painter, cache.bareCaptionCorners[index], cache.bareCaptions[index], scale);
        FillCaption(painter, cache.captionLetters[index], CaptionLetterBox(kCaptions[index]), Captions::Lit);
    }
    return sheet;
}

QRect CaptionButtonRect(int index) {
    if (index < 0 || index >= kCaptionCount)
        return QRect();
    return kCaptionButtons[index];
}

QPixmap CaptionButtonPicture(const QImage& litSheet, int index) {
    const QRect pixels = DevicePixels(CaptionButtonRect(index), litSheet.devicePixelRatio());
    if (pixels.isEmpty())
        return QPixmap();
    QPixmap picture = QPixmap::fromImage(litSheet.copy(pixels));
    picture.setDevicePixelRatio(litSheet.devicePixelRatio());
    return picture;
}

QRect DevicePixels(const QRect& area, qreal scale) {
    const QRectF exact(QPointF(area.topLeft()) * scale, QSizeF(area.size()) * scale);
    const QRect pixels = exact.toAlignedRect();
    return QRectF(pixels) == exact ? pixels : QRect();
}

} // namespace SheetArtwork
