#pragma once

#include "platform/Desktop.h"

#include <exception>

class QWidget;

// The general error handler: what an event handler raised is shown in a message box over owner, the operation
// stops there and the application goes on.
void ShowFailure(Desktop& desktop, QWidget* owner, const std::exception& failure);

// Runs an event handler of owner's under the general error handler. An exception must never travel through Qt's
// event delivery, which is built without exceptions on Windows, so every handler runs through here.
template <typename Handler> void RunEventHandler(Desktop& desktop, QWidget* owner, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        ShowFailure(desktop, owner, failure);
    }
}

// A window's handler as Qt calls it: under the general error handler, with the window as the message's owner.
template <typename Window> auto Guarded(Desktop& desktop, Window* window, void (Window::*handler)()) {
    return
        [&desktop, window, handler] { RunEventHandler(desktop, window, [window, handler] { (window->*handler)(); }); };
}
