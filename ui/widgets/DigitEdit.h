#pragma once

#include <QLineEdit>

// A borderless one-line field for a price or a stack size: typed characters other than the digits are discarded,
// and text pasted or dropped in keeps only its digits. Text set by the program is shown exactly as given.
class DigitEdit : public QLineEdit {
    Q_OBJECT

public:
    DigitEdit(const QString& name, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void KeepOnlyInsertedDigits(const QString& edited);

    QString m_lastText;
};
