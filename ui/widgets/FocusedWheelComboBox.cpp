#include "ui/widgets/FocusedWheelComboBox.h"

#include "ui/widgets/ChoiceAccessible.h"

#include <QWheelEvent>

FocusedWheelComboBox::FocusedWheelComboBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    InstallChoiceAccessibility();
}

void FocusedWheelComboBox::wheelEvent(QWheelEvent* event) {
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
