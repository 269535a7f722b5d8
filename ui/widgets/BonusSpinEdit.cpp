#include "ui/widgets/BonusSpinEdit.h"

#include "ui/widgets/BonusArrowButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

#include <algorithm>

namespace {

constexpr int kArrowWidth = 17;
constexpr int kDefaultMaximum = 100000;
constexpr int kDefaultDigits = 6;

bool IsTypedCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers shortcuts = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return event.text().size() == 1 && event.text()[0].isPrint() && !(event.modifiers() & shortcuts);
}

} // namespace

BonusSpinEdit::BonusSpinEdit(QWidget* parent)
    : QLineEdit(parent), m_maximum(kDefaultMaximum), m_upButton(new BonusArrowButton(true, this)),
      m_downButton(new BonusArrowButton(false, this)) {
    m_upButton->setObjectName(QStringLiteral("UpButton"));
    m_downButton->setObjectName(QStringLiteral("DownButton"));
    // Each press and each repeat of a held button steps once; letting go adds no step.
    connect(m_upButton, &QAbstractButton::pressed, this, [this] { StepBy(1); });
    connect(m_downButton, &QAbstractButton::pressed, this, [this] { StepBy(-1); });
    setMaxLength(kDefaultDigits);
    setTextMargins(0, 0, kArrowWidth, 0);
    SetValue(0);
}

int BonusSpinEdit::Value() const {
    bool whole = false;
    const int typed = text().toInt(&whole, 10);
    return whole ? std::clamp(typed, 0, m_maximum) : 0;
}

void BonusSpinEdit::SetValue(int value) {
    setText(QString::number(std::clamp(value, 0, m_maximum)));
}

void BonusSpinEdit::SetRange(int maximum, int maxDigits) {
    m_maximum = maximum;
    bool whole = false;
    const int typed = text().toInt(&whole, 10);
    if (text().size() > maxDigits || (whole && typed != Value()))
        SetValue(typed);
    setMaxLength(maxDigits);
}

void BonusSpinEdit::StepBy(int steps) {
    SetValue(Value() + steps);
}

void BonusSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        StepBy(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    if (IsTypedCharacter(*event)) {
        const bool roomLeft = text().size() - selectedText().size() < maxLength();
        if (!Accepts(event->text()) || !roomLeft) {
            Refuse();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void BonusSpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu takes the focus only for a moment; the user is still typing.
    if (event->reason() != Qt::PopupFocusReason)
        SetValue(Value());
}

void BonusSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceArrowButtons();
}

bool BonusSpinEdit::Accepts(const QString& typed) const {
    const QChar character = typed[0];
    return (character >= QLatin1Char('0') && character <= QLatin1Char('9')) || character == QLatin1Char('+') ||
           character == QLatin1Char('-') || typed == locale().decimalPoint();
}

void BonusSpinEdit::Refuse() {
    QApplication::beep();
    Q_EMIT CharacterRefused();
}

void BonusSpinEdit::PlaceArrowButtons() {
    const int inner = height() - 2;
    const int upHeight = (inner + 1) / 2;
    m_upButton->setGeometry(width() - 1 - kArrowWidth, 1, kArrowWidth, upHeight);
    m_downButton->setGeometry(width() - 1 - kArrowWidth, 1 + upHeight, kArrowWidth, inner - upHeight);
}
