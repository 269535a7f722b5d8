#include "ui/artwork/SheetArtworkText.h"

#include <QStringList>
#include <QTransform>

#include <algorithm>

namespace SheetArtworkText {

namespace {

// Outlines are scaled to their boxes afterwards, so the size only sets the precision of the glyph shapes.
constexpr int kDesignPixelSize = 64;

QFont MakeFont(const QStringList& families, QFont::Weight weight) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(kDesignPixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont LabelFont(Weight weight) {
    if (weight == Weight::Black) {
        return MakeFont({QStringLiteral("Arial Black"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")},
                        QFont::Black);
    }
    return MakeFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                    QFont::Bold);
}

QFont TitleFont() {
    return MakeFont({QStringLiteral("Georgia"), QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                     QStringLiteral("DejaVu Serif")},
                    QFont::Bold);
}

QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box, qreal maxStretch) {
    QPainterPath outline;
    outline.addText(0, 0, font, text);
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty())
        return outline;
    const qreal fillWidth = box.width() / ink.width();
    const qreal fillHeight = box.height() / ink.height();
    const qreal scaleY = std::min(fillHeight, fillWidth * maxStretch);
    const qreal scaleX = std::min(fillWidth, scaleY * maxStretch);
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scaleX, scaleY);
    fit.translate(-ink.center().x(), -ink.center().y());
    return fit.map(outline);
}

QRectF PixelBox(int x1, int x2, int y1, int y2) {
    return QRectF(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
}

} // namespace SheetArtworkText
