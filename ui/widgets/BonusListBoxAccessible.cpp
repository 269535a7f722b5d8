#include "ui/widgets/BonusListBoxAccessible.h"

#include "ui/widgets/BonusListBox.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <map>

namespace {

// One row of a list. It stands for the row at its index, whatever entry that is now.
class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(BonusListBox* list, int row) : m_list(list), m_row(row) {}

    bool isValid() const override { return m_list && m_row < m_list->Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? m_list->At(m_row).text : QString();
    }

    QRect rect() const override {
        if (!isValid())
            return QRect();
        const QRect area = m_list->RowRect(m_row);
        return QRect(m_list->mapToGlobal(area.topLeft()), area.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        if (!isValid())
            return state;
        state.selected = m_row == m_list->SelectedRow();
        state.focused = state.selected && m_list->hasFocus();
        state.invisible = state.offscreen = !m_list->RowsRect().intersects(m_list->RowRect(m_row));
        return state;
    }

private:
    QPointer<BonusListBox> m_list;
    int m_row;
};

class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(BonusListBox* list) : QAccessibleWidget(list, QAccessible::List) {}

    ~ListAccessible() override {
        for (const auto& [row, id] : m_rows)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return List().Count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto found = m_rows.find(index); found != m_rows.end())
            return QAccessible::accessibleInterface(found->second);
        auto* row = new RowAccessible(&List(), index);
        m_rows[index] = QAccessible::registerAccessibleInterface(row);
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [row, id] : m_rows) {
            if (QAccessible::accessibleInterface(id) == child)
                return row < childCount() ? row : -1;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = List().mapFromGlobal(QPoint(x, y));
        if (!List().RowsRect().contains(point))
            return nullptr;
        return child(List().FirstShownRow() + point.y() / List().RowHeight());
    }

    QAccessibleInterface* focusChild() const override {
        return List().hasFocus() ? child(List().SelectedRow()) : nullptr;
    }

private:
    BonusListBox& List() const { return *static_cast<BonusListBox*>(widget()); }

    // The rows asked for so far, made once each and kept in Qt's registry.
    mutable std::map<int, QAccessible::Id> m_rows;
};

QAccessibleInterface* MakeAccessible(const QString&, QObject* object) {
    if (auto* list = qobject_cast<BonusListBox*>(object))
        return new ListAccessible(list);
    return nullptr;
}

} // namespace

void InstallBonusListBoxAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
