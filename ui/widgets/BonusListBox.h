#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QScrollBar;

// The item sheet's list of bonuses: a row of text for each entry, at most one of them selected, painted on the
// sheet's white box. Qt's item views cost the start-up more than any other control of the sheet, and a list of short
// rows needs none of what they can do. A scroll bar is made only once the rows no longer fit.
class BonusListBox : public QWidget {
    Q_OBJECT

public:
    // What a row shows, and the bytes it was read from, so that an entry left alone is saved as it was.
    struct Entry {
        QString text;
        std::string bytes;
    };

    explicit BonusListBox(QWidget* parent);

    int Count() const { return static_cast<int>(m_entries.size()); }
    const Entry& At(int row) const { return m_entries[static_cast<std::size_t>(row)]; }
    void Append(Entry entry);
    void Replace(int row, Entry entry);
    // Takes the row out and leaves no row selected: selecting the next one would let a second Remove take an entry
    // the user never picked.
    void Remove(int row);

    // The selected row, or -1 when none is.
    int SelectedRow() const { return m_selected; }
    // Selects the row, or none for -1, and scrolls it into view.
    void SelectRow(int row);

    // The rows' area, the whole list but for the scroll bar.
    QRect RowsRect() const;
    // Where the row lies in the list, shown or scrolled out of it.
    QRect RowRect(int row) const;
    int RowHeight() const;
    // The first row shown, which the scroll bar moves.
    int FirstShownRow() const;

Q_SIGNALS:
    void pointerMoved();
    // A double click anywhere on the list, on a row or below the last.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int FullRowsShown() const;
    int RowAt(const QPoint& point) const;
    void RowsChanged();
    void ScrollToShow(int row);
    void TellSelection();
    void SearchFor(const QString& typed);

    std::vector<Entry> m_entries;
    int m_selected = -1;
    QScrollBar* m_scrollBar = nullptr;
    // What was typed to find a row, and since when.
    QString m_search;
    QElapsedTimer m_searchClock;
};
