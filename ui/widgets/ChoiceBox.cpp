#include "ui/widgets/ChoiceBox.h"

#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int kTextIndent = 3;
constexpr int kArrowWidth = 15;
constexpr int kArrowRightMargin = 4;

} // namespace

ChoiceBox::ChoiceBox(const QString& name, QWidget* parent) : FocusedWheelComboBox(parent) {
    setObjectName(name);
    setEditable(false);
    setFrame(false);
}

// Painted here rather than styled: a style sheet gives the window a style of its own, which costs the start-up,
// and it hides the current entry's text in the open list.
void ChoiceBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect textBox = rect().adjusted(kTextIndent, 0, -kArrowWidth, 0);
    const QString text = fontMetrics().elidedText(currentText(), Qt::ElideRight, textBox.width());
    painter.setPen(palette().color(QPalette::Text));
    if (hasFocus() && !text.isEmpty()) {
        const QRect band(textBox.left() - 1, 2, fontMetrics().horizontalAdvance(text) + 2, height() - 4);
        painter.fillRect(band, palette().highlight());
        painter.setPen(palette().color(QPalette::HighlightedText));
    }
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, text);

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(width() - kArrowWidth, 0, kArrowWidth - kArrowRightMargin, height());
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}
