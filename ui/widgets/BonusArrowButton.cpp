#include "ui/widgets/BonusArrowButton.h"

#include "ui/artwork/BonusDialogLook.h"

#include <QPainter>

namespace {

constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

QColor FaceColour(const QAbstractButton& button) {
    if (!button.isEnabled())
        return QColor(244, 244, 244);
    if (button.isDown())
        return QColor(204, 228, 247);
    if (button.underMouse())
        return QColor(229, 241, 251);
    return QColor(240, 240, 240);
}

} // namespace

BonusArrowButton::BonusArrowButton(bool up, QWidget* parent) : QAbstractButton(parent), m_up(up) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_Hover);
    setAutoRepeat(true);
    setAutoRepeatDelay(kRepeatDelayMs);
    setAutoRepeatInterval(kRepeatIntervalMs);
}

void BonusArrowButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FaceColour(*this));
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(0, 0, 0, height());
    if (m_up)
        painter.drawLine(0, height() - 1, width(), height() - 1);

    BonusDialogLook::PaintArrow(painter, QRectF(rect()).adjusted(1, m_up ? 0 : -1, 0, m_up ? 0 : -1), m_up,
                                isEnabled());
}
