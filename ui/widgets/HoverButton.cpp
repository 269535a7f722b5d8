#include "ui/widgets/HoverButton.h"

#include <QMouseEvent>
#include <QPainter>

HoverButton::HoverButton(const QString& name, const QSize& size, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void HoverButton::SetPicture(const QPixmap& picture, const QPoint& origin) {
    m_picture = picture;
    m_origin = origin;
    update();
}

void HoverButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(m_origin - pos(), m_picture);
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
    if (click && isVisible())
        Q_EMIT clicked();
}
