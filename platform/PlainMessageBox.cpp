#include "platform/PlainMessageBox.h"

#include "platform/EditorApplication.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

PlainMessageBox::PlainMessageBox(QWidget* owner, const QString& title, const QString& message)
    : QMessageBox(QMessageBox::NoIcon, title, MessageBoxText(message), QMessageBox::Ok, owner),
      m_copied(MessageCopyText(message)) {
    setTextFormat(Qt::PlainText);
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this, &PlainMessageBox::CleanCopiedSelection);
}

void PlainMessageBox::keyPressEvent(QKeyEvent* event) {
    // Qt copies the shown text, break points and all, and only on Windows.
    if (!event->matches(QKeySequence::Copy)) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    const QString separator = QStringLiteral("---------------------------\n");
    QString buttonTexts;
    for (const QAbstractButton* button : buttons())
        buttonTexts += button->text() + QStringLiteral("   ");
    QGuiApplication::clipboard()->setText(separator + windowTitle() + QLatin1Char('\n') + separator + m_copied +
                                          QLatin1Char('\n') + separator + buttonTexts + QLatin1Char('\n') + separator);
    event->accept();
}

void PlainMessageBox::CleanCopiedSelection(QClipboard::Mode mode) {
    // The text label copies its selection itself. Only a copy that is a piece of this message is cleaned, and
    // only when the message has no break point of its own: anything else on the clipboard is the user's.
    const auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString copied = clipboard->text(mode);
    if (!label || !label->hasSelectedText() || !copied.contains(kMessageBreakPoint) ||
        m_copied.contains(kMessageBreakPoint))
        return;
    const QString cleaned = QString(copied).remove(kMessageBreakPoint);
    if (m_copied.contains(cleaned))
        clipboard->setText(cleaned, mode);
}
