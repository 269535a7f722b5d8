#pragma once

#include <QClipboard>
#include <QMessageBox>

// The box of one plain-text message with an OK button. What the user copies from it is the message as read,
// without the invisible break points of its long runs: Ctrl+C copies title, message and button on every system.
class PlainMessageBox : public QMessageBox {
    Q_OBJECT

public:
    PlainMessageBox(QWidget* owner, const QString& title, const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CleanCopiedSelection(QClipboard::Mode mode);

    QString m_copied;
};
