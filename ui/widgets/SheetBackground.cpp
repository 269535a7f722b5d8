#include "ui/widgets/SheetBackground.h"

#include <QMouseEvent>
#include <QPainter>

SheetBackground::SheetBackground(const QImage& sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {
    setObjectName(QStringLiteral("background"));
    setGeometry(QRect(QPoint(), sheet.deviceIndependentSize().toSize()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_sheet);
}

void SheetBackground::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT pointerMoved(mapToParent(event->position().toPoint()));
}
