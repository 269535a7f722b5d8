#include "ui/widgets/BonusListBox.h"

#include "ui/widgets/BonusListBoxAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QtMath>

#include <algorithm>

namespace {

// The room left and right of a row's text, as Qt's own lists leave it.
constexpr int kTextMargin = 3;

// The row a navigation key leads to from the selected one (-1: none), before it is kept within the rows.
int RowForKey(int key, int selected, int page, int count) {
    const int from = selected < 0 ? 0 : selected;
    switch (key) {
    case Qt::Key_Up:
        return selected < 0 ? 0 : from - 1;
    case Qt::Key_Down:
        return selected < 0 ? 0 : from + 1;
    case Qt::Key_PageUp:
        return from - page;
    case Qt::Key_PageDown:
        return selected < 0 ? 0 : from + page;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count - 1;
    default:
        return -1;
    }
}

bool IsNavigationKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

} // namespace

BonusListBox::BonusListBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallBonusListBoxAccessibility();
}

void BonusListBox::Append(Entry entry) {
    m_entries.push_back(std::move(entry));
    RowsChanged();
}

void BonusListBox::Replace(int row, Entry entry) {
    m_entries[static_cast<std::size_t>(row)] = std::move(entry);
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

void BonusListBox::Remove(int row) {
    m_entries.erase(m_entries.begin() + row);
    m_selected = -1;
    RowsChanged();
}

void BonusListBox::SelectRow(int row) {
    if (row == m_selected)
        return;
    m_selected = row;
    ScrollToShow(row);
    update();
    TellSelection();
}

QRect BonusListBox::RowsRect() const {
    QRect rows = rect();
    if (m_scrollBar && !m_scrollBar->isHidden())
        rows.setRight(m_scrollBar->x() - 1);
    return rows;
}

QRect BonusListBox::RowRect(int row) const {
    const QRect rows = RowsRect();
    return QRect(rows.left(), (row - FirstShownRow()) * RowHeight(), rows.width(), RowHeight());
}

int BonusListBox::RowHeight() const {
    // A text line's height, as Qt's lists lay their rows out.
    return std::max(1, qCeil(QFontMetricsF(font()).height()));
}

int BonusListBox::FirstShownRow() const {
    return m_scrollBar ? m_scrollBar->value() : 0;
}

int BonusListBox::FullRowsShown() const {
    return std::max(1, height() / RowHeight());
}

int BonusListBox::RowAt(const QPoint& point) const {
    if (!RowsRect().contains(point))
        return -1;
    const int row = FirstShownRow() + point.y() / RowHeight();
    return row < Count() ? row : -1;
}

void BonusListBox::RowsChanged() {
    const int hidden = Count() - FullRowsShown();
    if (hidden > 0 && !m_scrollBar) {
        m_scrollBar = new QScrollBar(Qt::Vertical, this);
        m_scrollBar->setFocusPolicy(Qt::NoFocus);
        connect(m_scrollBar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    }
    if (m_scrollBar) {
        const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBar);
        m_scrollBar->setGeometry(this->width() - width, 0, width, height());
        m_scrollBar->setRange(0, std::max(0, hidden));
        m_scrollBar->setPageStep(FullRowsShown());
        m_scrollBar->setVisible(hidden > 0);
    }
    update();
}

void BonusListBox::ScrollToShow(int row) {
    if (!m_scrollBar || row < 0)
        return;
    if (row < FirstShownRow())
        m_scrollBar->setValue(row);
    else if (row >= FirstShownRow() + FullRowsShown())
        m_scrollBar->setValue(row - FullRowsShown() + 1);
}

void BonusListBox::TellSelection() {
    if (!QAccessible::isActive() || m_selected < 0)
        return;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(m_selected);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_selected);
        QAccessible::updateAccessibility(&focus);
    }
}

void BonusListBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRect rows = RowsRect();
    const int textWidth = rows.width() - 2 * kTextMargin;
    for (int row = FirstShownRow(); row < Count() && RowRect(row).top() < rows.height(); ++row) {
        const QRect area = RowRect(row);
        const bool selected = row == m_selected;
        // The selection as a Windows list box draws it, which is how the Linux style draws it too; the Windows
        // style's own light selection of its item views would leave the row's light text unreadable.
        if (selected)
            painter.fillRect(area, palette().highlight());
        painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
        painter.drawText(area.adjusted(kTextMargin, 0, -kTextMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(At(row).text, Qt::ElideRight, textWidth));
    }
    if (hasFocus()) {
        // Where the keys act: the selected row, or the first shown when none is.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        // Qt's lists frame their current row whether the focus came by key or by click.
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.rect = RowRect(std::max(m_selected, FirstShownRow()));
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void BonusListBox::mousePressEvent(QMouseEvent* event) {
    // A press below the last row keeps the selection, as Qt's lists do.
    const int row = RowAt(event->position().toPoint());
    if (row >= 0 && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        SelectRow(row);
}

void BonusListBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT pointerMoved();
    const int row = RowAt(event->position().toPoint());
    if ((event->buttons() & Qt::LeftButton) && row >= 0)
        SelectRow(row);
}

void BonusListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    Q_EMIT doubleClicked();
}

void BonusListBox::keyPressEvent(QKeyEvent* event) {
    const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (Count() > 0 && IsNavigationKey(event->key()))
        SelectRow(std::clamp(RowForKey(event->key(), m_selected, FullRowsShown(), Count()), 0, Count() - 1));
    else if (Count() > 0 && typed)
        SearchFor(event->text());
    else
        QWidget::keyPressEvent(event);
}

void BonusListBox::SearchFor(const QString& typed) {
    // Letters typed in quick succession make one search, as in Qt's lists; a new search starts after the selection.
    const bool continued = m_searchClock.isValid() && m_searchClock.elapsed() < QApplication::keyboardInputInterval();
    m_search = continued ? m_search + typed : typed;
    m_searchClock.start();
    const int start = m_selected < 0 ? 0 : continued ? m_selected : m_selected + 1;
    for (int i = 0; i < Count(); ++i) {
        const int row = (start + i) % Count();
        if (At(row).text.startsWith(m_search, Qt::CaseInsensitive)) {
            SelectRow(row);
            return;
        }
    }
}

void BonusListBox::wheelEvent(QWheelEvent* event) {
    if (m_scrollBar && !m_scrollBar->isHidden())
        QCoreApplication::sendEvent(m_scrollBar, event);
    else
        event->ignore();
}

void BonusListBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void BonusListBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void BonusListBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RowsChanged();
    ScrollToShow(m_selected);
}
