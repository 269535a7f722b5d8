#include "ui/widgets/HoverButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

HoverButton::HoverButton(const QString& name, const QString& caption, const QSize& size, QWidget* parent)
    : QAbstractButton(parent) {
    setObjectName(name);
    setAccessibleName(caption);
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    // A click gives no focus: the focus would light the caption, and an unlit one takes no click.
    setFocusPolicy(Qt::TabFocus);
}

void HoverButton::SetPicture(const QPixmap& picture, const QPoint& origin) {
    m_picture = picture;
    m_origin = origin;
    update();
}

void HoverButton::SetPointedAt(bool pointedAt) {
    if (pointedAt == m_pointedAt)
        return;
    m_pointedAt = pointedAt;
    update();
}

void HoverButton::paintEvent(QPaintEvent*) {
    if (!IsLit())
        return;
    QPainter painter(this);
    painter.drawPixmap(m_origin - pos(), m_picture);
}

bool HoverButton::StrictlyContains(const QPoint& point) const {
    const QRect area = geometry();
    return area.left() < point.x() && point.x() < area.left() + area.width() && area.top() < point.y() &&
           point.y() < area.top() + area.height();
}

bool HoverButton::hitButton(const QPoint& position) const {
    return IsLit() && rect().contains(position);
}

void HoverButton::mouseMoveEvent(QMouseEvent* event) {
    // A lit caption keeps every movement over it; an unlit one lets the sheet's rule decide, as the background does.
    if (!m_pointedAt)
        Q_EMIT pointerMovedOutsideLit(mapToParent(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void HoverButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
