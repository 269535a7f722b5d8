#include "ui/widgets/SheetBackground.h"

#include <QMouseEvent>
#include <QPainter>

SheetBackground::SheetBackground(const QImage& sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {
    setObjectName(QStringLiteral("Image2"));
    setGeometry(0, 0, sheet.width(), sheet.height());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetBackground::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_sheet, event->rect());
}

void SheetBackground::mouseMoveEvent(QMouseEvent* event) {
    if (m_mouseMoveHandler)
        m_mouseMoveHandler(mapToParent(event->position().toPoint()));
}
