#pragma once

#include <QLineEdit>

class BonusArrowButton;

// The bonus value box: a whole number from 0 to a maximum, typed (0-9, "+", "-" and the decimal separator, at
// most a given number of characters; anything else is refused with a beep) or stepped by 1 with the Up and Down
// keys and its two arrow buttons. A text that is not a whole number counts as 0; an out-of-range number may be
// typed, and is brought back into the range when the value is set and when the box loses the focus.
class BonusSpinEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit BonusSpinEdit(QWidget* parent = nullptr);

    // The typed whole number brought into 0..Maximum(); 0 when the text is not a whole number.
    int Value() const;
    // Shows value, brought into 0..Maximum(), in decimal.
    void SetValue(int value);

    int Maximum() const { return m_maximum; }
    // A new limit; a text out of the new range or longer than maxDigits is rewritten as its value within it.
    void SetRange(int maximum, int maxDigits);

    // Steps the value by steps within the range.
    void StepBy(int steps);

    QSize sizeHint() const override { return {193, 33}; }

Q_SIGNALS:
    // A typed character was refused (the box has beeped).
    void CharacterRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool Accepts(const QString& typed) const;
    void Refuse();
    void PlaceArrowButtons();

    int m_maximum;
    BonusArrowButton* m_upButton;
    BonusArrowButton* m_downButton;
};
