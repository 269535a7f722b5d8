#include "ui/widgets/SheetBackground.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

SheetBackground::SheetBackground(const QImage& sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet) {
    setObjectName(QStringLiteral("background"));
    setGeometry(QRect(QPoint(), sheet.deviceIndependentSize().toSize()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// Qt hands the copy of a larger picture to helper threads, which cost the start-up more processor time and memory
// than the copy itself; bands of this many device pixels it copies at once.
constexpr int kBandPixels = 16 * 1024;

} // namespace

void SheetBackground::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal scale = m_sheet.devicePixelRatio();
    const int bandRows = std::max(1, kBandPixels / m_sheet.width());
    for (int top = 0; top < m_sheet.height(); top += bandRows) {
        const QRect band(0, top, m_sheet.width(), std::min(bandRows, m_sheet.height() - top));
        const QRectF target(band.x() / scale, band.y() / scale, band.width() / scale, band.height() / scale);
        if (target.intersects(event->rect()))
            painter.drawImage(target, m_sheet, band);
    }
}

void SheetBackground::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT pointerMoved(mapToParent(event->position().toPoint()));
}
