#include "ui/widgets/BonusKindBox.h"

#include "ui/artwork/BonusDialogLook.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

namespace {

constexpr int kRowHeight = 23;

// Gives every row of the open list the same height.
class KindRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
    }
};

} // namespace

BonusKindBox::BonusKindBox(QWidget* parent) : FocusedWheelComboBox(parent) {
    setEditable(false);
    setItemDelegate(new KindRowDelegate(this));
}

void BonusKindBox::paintEvent(QPaintEvent* event) {
    QComboBox::paintEvent(event);
    // The style sheet gives the arrow button its flat face but no arrow; the arrow is drawn on it here.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect button = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    QPainter painter(this);
    BonusDialogLook::PaintArrow(painter, button, false, isEnabled());
}

#include "BonusKindBox.moc"
