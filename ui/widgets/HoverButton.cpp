#include "ui/widgets/HoverButton.h"

#include <QMouseEvent>

HoverButton::HoverButton(const QString& name, const QPixmap& picture, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setPixmap(picture);
    setFixedSize(picture.size());
    setCursor(Qt::PointingHandCursor);
    hide();
}

bool HoverButton::StrictlyContains(const QPoint& point) const {
    const QRect area = geometry();
    return area.left() < point.x() && point.x() < area.left() + area.width() && area.top() < point.y() &&
           point.y() < area.top() + area.height();
}

void HoverButton::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void HoverButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && isVisible() && m_clickHandler)
        m_clickHandler();
}
