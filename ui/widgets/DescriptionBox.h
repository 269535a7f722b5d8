#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// The description field: borderless, without scroll bars, wrapping long lines at word boundaries.
class DescriptionBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DescriptionBox(QWidget* parent);

    // The lines as the box displays them, each ended by CR LF: every wrapped piece is a line of its own, keeping
    // the blank at which it was wrapped at its end; an empty last line is left out. Text still on its way into the
    // box is shown first.
    QString DisplayedText();

    void SetLines(const QStringList& lines);

    // Shows the text, whose lines end in CR LF, a lone CR or a lone LF; a final line end leaves an empty last line.
    // A run of more than 256 characters in which the box may not wrap (no blank, no East Asian character) is
    // ended by a line break first: it cannot fit one line of the box anyway, and Qt's wrapping of such a run takes
    // time that grows with its square (a 16 MiB run would take hours). A text of many pages is shown over the next
    // turns of the event loop, its first page at once.
    void SetText(QString text);

protected:
    // A key pressed or text composed while a long text is still arriving waits for the rest of it, so that what the
    // user types lands where they typed it, and Ctrl+End reaches the text's real end.
    bool event(QEvent* event) override;

    // Only text is pasted or dropped in: without it there is nothing to insert (and Qt 6.4's own insertion
    // crashes on clipboard data that holds nothing).
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void ShowMoreText();
    void ShowAllTextNow();
    // Appends the first unshown piece at the end of the box.
    void ShowNextPiece();

    QStringList m_unshownPieces; // the text still to show, in order
};
