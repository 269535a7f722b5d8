#include "ui/widgets/DigitEdit.h"

#include <QKeyEvent>

namespace {

bool IsTypedCharacter(const QKeyEvent* event) {
    return !event->text().isEmpty() && event->text().front().isPrint();
}

QString DigitsOf(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    return digits;
}

} // namespace

DigitEdit::DigitEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setFrame(false);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!isModified())
            m_lastText = text;
    });
    connect(this, &QLineEdit::textEdited, this, &DigitEdit::KeepOnlyInsertedDigits);
}

void DigitEdit::keyPressEvent(QKeyEvent* event) {
    if (IsTypedCharacter(event) && DigitsOf(event->text()) != event->text())
        return;
    QLineEdit::keyPressEvent(event);
}

void DigitEdit::KeepOnlyInsertedDigits(const QString& edited) {
    // Only the part the user inserted is filtered: text read from a file stays as it was read.
    qsizetype prefix = 0;
    while (prefix < edited.size() && prefix < m_lastText.size() && edited[prefix] == m_lastText[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < edited.size() - prefix && suffix < m_lastText.size() - prefix &&
           edited[edited.size() - 1 - suffix] == m_lastText[m_lastText.size() - 1 - suffix])
        ++suffix;
    const QString inserted = edited.mid(prefix, edited.size() - prefix - suffix);
    const QString digits = DigitsOf(inserted);
    m_lastText = edited.left(prefix) + digits + edited.right(suffix);
    if (digits != inserted) {
        setText(m_lastText);
        setCursorPosition(static_cast<int>(prefix + digits.size()));
    }
}
