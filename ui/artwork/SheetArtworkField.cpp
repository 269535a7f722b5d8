#include "ui/artwork/SheetArtworkField.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace SheetArtworkField {

namespace {

constexpr qreal kBoxRadius = 6.0;

// A box covers its own shadow except within this many pixels of its edge, around the rounded corners.
constexpr int kShadowReach = 4;

std::uint32_t Scramble(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// A cells-by-rows grid of random light (white) and shade (black) dabs of at most strength alpha; drawn
// stretched with smooth scaling it becomes soft parchment-like blotches.
QImage Dabs(int columns, int rows, int strength, std::uint32_t seed) {
    QImage dabs(columns, rows, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(dabs.scanLine(y));
        for (int x = 0; x < columns; ++x) {
            const int swing =
                static_cast<int>(Scramble(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) % 511u) -
                255;
            const int alpha = std::abs(swing) * strength / 255;
            const int grey = swing > 0 ? alpha : 0;
            line[x] = qRgba(grey, grey, grey, alpha);
        }
    }
    return dabs;
}

// The field's broad light and blotches are all soft, so they are painted on a small plate, one pixel per
// kPlateCell sheet pixels, and stretched over the sheet in a single smooth draw.
constexpr int kPlateCell = 9;

void PaintBlotches(QPainter& painter, const QSizeF& plate, qreal cell, int strength, std::uint32_t seed) {
    const int columns = static_cast<int>(plate.width() / cell) + 2;
    const int rows = static_cast<int>(plate.height() / cell) + 2;
    painter.drawImage(QRectF(-cell / 2, -cell / 2, columns * cell, rows * cell), Dabs(columns, rows, strength, seed));
}

QImage LightPlate(const QSize& sheetSize) {
    const QSizeF sheet(sheetSize);
    QImage plate(sheetSize.width() / kPlateCell + 2, sheetSize.height() / kPlateCell + 2, QImage::Format_RGB32);
    QPainter painter(&plate);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Plate pixel centres sit on every kPlateCell-th sheet pixel, starting at the sheet's corner.
    painter.scale(1.0 / kPlateCell, 1.0 / kPlateCell);
    painter.translate(kPlateCell / 2.0, kPlateCell / 2.0);
    const QRectF area(QPointF(-kPlateCell, -kPlateCell), sheet + QSizeF(2 * kPlateCell, 2 * kPlateCell));
    QLinearGradient base(0, 0, 0, sheet.height());
    base.setColorAt(0.0, QColor(104, 208, 198));
    base.setColorAt(1.0, QColor(58, 170, 166));
    painter.fillRect(area, base);
    QRadialGradient lamp(QPointF(sheet.width() * 0.42, sheet.height() * 0.3), sheet.width() * 0.62);
    lamp.setColorAt(0.0, QColor(255, 250, 222, 64));
    lamp.setColorAt(1.0, QColor(255, 250, 222, 0));
    painter.fillRect(area, lamp);
    QRadialGradient vignette(QPointF(sheet.width() / 2, sheet.height() / 2), sheet.width() * 0.66);
    vignette.setColorAt(0.55, QColor(0, 48, 52, 0));
    vignette.setColorAt(1.0, QColor(0, 48, 52, 92));
    painter.fillRect(area, vignette);
    PaintBlotches(painter, sheet, 38, 26, 11);
    painter.resetTransform();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, Dabs(plate.width(), plate.height(), 12, 23));
    return plate;
}

} // namespace

void PaintField(QImage& sheet) {
    {
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QImage plate = LightPlate(sheet.deviceIndependentSize().toSize());
        painter.drawImage(
            QRectF(-kPlateCell / 2.0, -kPlateCell / 2.0, plate.width() * kPlateCell, plate.height() * kPlateCell),
            plate);
    }
    // Tiny specks, one device pixel each, repeating every 64 device pixels: too small a pattern to be seen under
    // the blotches. They are laid on the device pixels themselves, whatever the sheet's scale.
    const qreal scale = sheet.devicePixelRatio();
    sheet.setDevicePixelRatio(1.0);
    QPainter(&sheet).fillRect(sheet.rect(), QBrush(Dabs(64, 64, 10, 5)));
    sheet.setDevicePixelRatio(scale);
}

void PaintFrame(QPainter& painter, const QSize& sheetSize, int frameWidth) {
    const QRect inner = QRect(QPoint(0, 0), sheetSize).adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRegion(QRegion(QRect(QPoint(0, 0), sheetSize)).subtracted(QRegion(inner)));
    painter.fillRect(QRect(QPoint(0, 0), sheetSize), Qt::black);
    painter.setClipping(false);
    // The field sits a little below the frame: shade under its top-left lip, light on its bottom-right.
    const QColor shades[] = {QColor(0, 36, 40, 150), QColor(0, 36, 40, 60)};
    const QColor lights[] = {QColor(214, 255, 248, 120), QColor(214, 255, 248, 40)};
    for (int step = 0; step < 2; ++step) {
        const QRect ring = inner.adjusted(step, step, -step, -step);
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), shades[step]);
        painter.fillRect(QRect(ring.left(), ring.top() + 1, 1, ring.height() - 1), shades[step]);
        painter.fillRect(QRect(ring.left() + 1, ring.bottom(), ring.width() - 1, 1), lights[step]);
        painter.fillRect(QRect(ring.right(), ring.top() + 1, 1, ring.height() - 2), lights[step]);
    }
    painter.restore();
}

void PaintBoxShadow(QImage& sheet, const QRectF& box) {
    // The shadow is the box moved down and right, faded out over kBlur pixels on each side of its edge. Only the
    // rim outside the box is visible, so the box's inside, which it covers, is skipped. The sheet's pixels are
    // walked in device pixels, the distances measured in window pixels.
    constexpr qreal kBlur = 2.2;
    constexpr int kDepth = 70;
    const qreal scale = sheet.devicePixelRatio();
    const QRectF shadow = box.translated(1.5, 2.0);
    const QPointF centre = shadow.center();
    const qreal straightX = shadow.width() / 2 - kBoxRadius;
    const qreal straightY = shadow.height() / 2 - kBoxRadius;
    const QRectF reach = shadow.adjusted(-3, -3, 3, 3);
    const QRect area = QRectF(reach.topLeft() * scale, reach.size() * scale).toAlignedRect().intersected(sheet.rect());
    const QRect inside = box.toAlignedRect().adjusted(kShadowReach, kShadowReach, -kShadowReach, -kShadowReach);
    const QRect covered(
        QPoint(static_cast<int>(std::ceil(inside.left() * scale)), static_cast<int>(std::ceil(inside.top() * scale))),
        QPoint(static_cast<int>(std::floor((inside.right() + 1) * scale)) - 1,
               static_cast<int>(std::floor((inside.bottom() + 1) * scale)) - 1));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        const bool throughBox = y >= covered.top() && y <= covered.bottom();
        for (int x = area.left(); x <= area.right(); ++x) {
            if (throughBox && x == covered.left())
                x = covered.right() + 1;
            const qreal overX = std::abs((x + 0.5) / scale - centre.x()) - straightX;
            const qreal overY = std::abs((y + 0.5) / scale - centre.y()) - straightY;
            const qreal outside = std::hypot(std::max(overX, 0.0), std::max(overY, 0.0));
            const qreal distance = outside + std::min(std::max(overX, overY), 0.0) - kBoxRadius;
            const int alpha = static_cast<int>(kDepth * std::clamp(0.5 - distance / (2 * kBlur), 0.0, 1.0));
            const QRgb pixel = line[x];
            line[x] = qRgb(qRed(pixel) * (255 - alpha) / 255, (qGreen(pixel) * (255 - alpha) + 40 * alpha) / 255,
                           (qBlue(pixel) * (255 - alpha) + 44 * alpha) / 255);
        }
    }
}

void PaintWhiteBox(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 2.0));
    painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), kBoxRadius - 1, kBoxRadius - 1);
    painter.restore();
}

void PaintDivider(QPainter& painter, const QPointF& centre, qreal halfLength) {
    painter.save();
    QLinearGradient groove(centre.x() - halfLength, 0, centre.x() + halfLength, 0);
    groove.setColorAt(0.0, QColor(0, 50, 54, 0));
    groove.setColorAt(0.5, QColor(0, 50, 54, 150));
    groove.setColorAt(1.0, QColor(0, 50, 54, 0));
    QLinearGradient lip(groove.start(), groove.finalStop());
    lip.setColorAt(0.0, QColor(230, 255, 250, 0));
    lip.setColorAt(0.5, QColor(230, 255, 250, 150));
    lip.setColorAt(1.0, QColor(230, 255, 250, 0));
    const qreal y = centre.y();
    painter.fillRect(QRectF(centre.x() - halfLength, y - 1, 2 * halfLength, 1), groove);
    painter.fillRect(QRectF(centre.x() - halfLength, y, 2 * halfLength, 1), lip);
    const QPolygonF diamond(
        {centre + QPointF(0, -4.5), centre + QPointF(4.5, 0), centre + QPointF(0, 4.5), centre + QPointF(-4.5, 0)});
    painter.setPen(QPen(QColor(0, 40, 44), 1.0));
    QLinearGradient gem(centre + QPointF(-3, -3), centre + QPointF(3, 3));
    gem.setColorAt(0.0, QColor(200, 255, 248));
    gem.setColorAt(1.0, QColor(20, 120, 120));
    painter.setBrush(gem);
    painter.drawPolygon(diamond);
    painter.restore();
}

} // namespace SheetArtworkField
