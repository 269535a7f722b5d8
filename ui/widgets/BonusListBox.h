#pragma once

#include <QListWidget>
#include <QString>

#include <string>

// The item sheet's list of bonuses: Qt's list, one row of text for each entry, at most one of them selected, on the
// sheet's white box. Each row keeps the bytes it was read from beside its text, so that an entry left alone is
// saved as it was.
class BonusListBox : public QListWidget {
    Q_OBJECT

public:
    // What a row shows, and the bytes it stands for.
    struct Entry {
        QString text;
        std::string bytes;
    };

    explicit BonusListBox(QWidget* parent);

    int Count() const { return count(); }
    Entry At(int row) const;
    void Append(const Entry& entry);
    void Replace(int row, const Entry& entry);
    // Takes the row out and leaves no row selected: selecting the next one would let a second Remove take an entry
    // the user never picked.
    void Remove(int row);

    // The selected row, or -1 when none is.
    int SelectedRow() const;
    // Selects the row, or none for -1, and scrolls it into view.
    void SelectRow(int row);

Q_SIGNALS:
    void pointerMoved();
    // A double click anywhere on the list, on a row or below the last.
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
