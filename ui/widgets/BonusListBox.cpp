#include "ui/widgets/BonusListBox.h"

#include <QMouseEvent>

namespace {

// The role under which a row keeps its entry's bytes.
constexpr int kBytesRole = Qt::UserRole;

QListWidgetItem* RowOf(const BonusListBox::Entry& entry) {
    auto* row = new QListWidgetItem(entry.text);
    row->setData(kBytesRole, QByteArray(entry.bytes.data(), static_cast<qsizetype>(entry.bytes.size())));
    return row;
}

} // namespace

BonusListBox::BonusListBox(QWidget* parent) : QListWidget(parent) {
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    // Every movement over the list puts the sheet's lit captions out.
    viewport()->setMouseTracking(true);
}

BonusListBox::Entry BonusListBox::At(int row) const {
    const QListWidgetItem* shown = item(row);
    const QByteArray bytes = shown->data(kBytesRole).toByteArray();
    return {shown->text(), std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))};
}

void BonusListBox::Append(const Entry& entry) {
    addItem(RowOf(entry));
}

void BonusListBox::Replace(int row, const Entry& entry) {
    QListWidgetItem* shown = item(row);
    shown->setText(entry.text);
    shown->setData(kBytesRole, QByteArray(entry.bytes.data(), static_cast<qsizetype>(entry.bytes.size())));
}

void BonusListBox::Remove(int row) {
    delete takeItem(row);
    clearSelection();
    setCurrentIndex(QModelIndex());
}

int BonusListBox::SelectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void BonusListBox::SelectRow(int row) {
    if (row < 0) {
        clearSelection();
        return;
    }
    setCurrentRow(row);
    scrollToItem(item(row));
}

void BonusListBox::mousePressEvent(QMouseEvent* event) {
    // A press below the last row keeps the selection, where Qt's list would clear it.
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QListWidget::mousePressEvent(event);
}

void BonusListBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT pointerMoved();
    QListWidget::mouseMoveEvent(event);
}

void BonusListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}
