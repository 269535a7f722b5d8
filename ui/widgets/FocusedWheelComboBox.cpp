#include "ui/widgets/FocusedWheelComboBox.h"

#include <QWheelEvent>

FocusedWheelComboBox::FocusedWheelComboBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void FocusedWheelComboBox::wheelEvent(QWheelEvent* event) {
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
