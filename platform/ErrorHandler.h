#pragma once

#include "platform/Desktop.h"

#include <exception>

// The general error handler: what an event handler raised is shown in a message box, the operation stops there
// and the application goes on.
void ShowFailure(Desktop& desktop, const std::exception& failure);

// Runs an event handler under the general error handler. Qt cannot carry an exception through its event delivery
// without losing memory, so every handler that may fail runs through here before control returns to Qt.
template <typename Handler> void RunEventHandler(Desktop& desktop, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        ShowFailure(desktop, failure);
    }
}
