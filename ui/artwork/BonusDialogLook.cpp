#include "ui/artwork/BonusDialogLook.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QStringList>

#include <vector>

namespace BonusDialogLook {

QFont HeavyFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Black);
    font.setPixelSize(pixelSize);
    return font;
}

QPixmap ButtonGlyph(const QPixmap& picture, int spacing) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return picture;
    const QRgb background = image.pixel(0, image.height() - 1);
    std::vector<QPoint> open;
    for (int x = 0; x < image.width(); ++x)
        open.insert(open.end(), {QPoint(x, 0), QPoint(x, image.height() - 1)});
    for (int y = 0; y < image.height(); ++y)
        open.insert(open.end(), {QPoint(0, y), QPoint(image.width() - 1, y)});
    while (!open.empty()) {
        const QPoint at = open.back();
        open.pop_back();
        if (!image.rect().contains(at) || image.pixel(at) != background)
            continue;
        image.setPixel(at, qRgba(0, 0, 0, 0));
        open.insert(open.end(), {at + QPoint(1, 0), at - QPoint(1, 0), at + QPoint(0, 1), at - QPoint(0, 1)});
    }
    const qreal scale = image.devicePixelRatio();
    QImage spaced(image.width() + qRound(spacing * scale), image.height(), QImage::Format_ARGB32);
    spaced.setDevicePixelRatio(scale);
    spaced.fill(Qt::transparent);
    QPainter(&spaced).drawImage(0, 0, image);
    return QPixmap::fromImage(spaced);
}

QSize WindowSize(const QPixmap& picture) {
    return picture.deviceIndependentSize().toSize();
}

void PaintArrow(QPainter& painter, const QRectF& box, bool up, bool enabled) {
    const qreal halfWidth = 4.0;
    const qreal halfHeight = 2.5;
    const qreal direction = up ? -1.0 : 1.0;
    const QPointF centre = box.center();
    QPainterPath arrow;
    arrow.moveTo(centre.x() - halfWidth, centre.y() - direction * halfHeight);
    arrow.lineTo(centre.x() + halfWidth, centre.y() - direction * halfHeight);
    arrow.lineTo(centre.x(), centre.y() + direction * halfHeight);
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(enabled ? QColor(64, 64, 64) : QColor(170, 170, 170));
    painter.drawPath(arrow);
    painter.restore();
}

QString StyleSheet() {
    return QStringLiteral(R"(
QDialog { background: white; }
QLabel { color: #1a1a1a; }
QComboBox, QLineEdit {
    background: white;
    border: 1px solid #7a7a7a;
    color: #1a1a1a;
    selection-background-color: #0078d7;
    selection-color: white;
}
QComboBox { padding-left: 6px; combobox-popup: 0; }
QComboBox::drop-down {
    subcontrol-origin: padding;
    subcontrol-position: top right;
    width: 17px;
    border-left: 1px solid #c8c8c8;
    background: #f0f0f0;
}
QComboBox::drop-down:hover { background: #e5f1fb; }
QComboBox::drop-down:disabled { background: #f4f4f4; }
QLabel#signLabel { background: #f0f0f0; color: #1a1a1a; }
QLineEdit { padding-left: 5px; }
QComboBox:disabled, QLineEdit:disabled { background: #f4f4f4; border-color: #c4c4c4; color: #9a9a9a; }
QComboBox:hover, QLineEdit:hover { border-color: #0078d7; }
QComboBox QAbstractItemView {
    background: white;
    color: #1a1a1a;
    border: 1px solid #7a7a7a;
    selection-background-color: #0078d7;
    selection-color: white;
    outline: 0;
}
QPushButton {
    background: #f0f0f0;
    border: 1px solid #adadad;
    color: #1a1a1a;
    padding: 0px 12px;
}
QPushButton:hover { background: #e5f1fb; border-color: #0078d7; }
QPushButton:pressed { background: #cce4f7; border-color: #005499; }
QPushButton:default { border: 2px solid #0078d7; }
QPushButton:focus { outline: none; }
)");
}

} // namespace BonusDialogLook
