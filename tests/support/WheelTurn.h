#pragma once

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

// Turns the mouse wheel down over the middle of widget, one notch at a time, as the pointer passing over it would.
inline void TurnWheelDown(QWidget& widget, int notches) {
    const QPoint middle = widget.rect().center();
    for (int notch = 0; notch < notches; ++notch) {
        QWheelEvent wheel(middle, widget.mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &wheel);
    }
}
