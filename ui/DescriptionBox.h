#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// The description field: borderless, without scroll bars, wrapping long lines at word boundaries.
class DescriptionBox : public QPlainTextEdit {
public:
    explicit DescriptionBox(QWidget* parent);

    // The lines as the box displays them: every wrapped piece is a line of its own, keeping the blank at which it
    // was wrapped at its end; an empty last line is left out.
    QStringList DisplayedLines() const;

    void SetLines(const QStringList& lines);
};
