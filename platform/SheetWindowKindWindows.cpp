#include "platform/SheetWindowKind.h"

Qt::WindowFlags SheetWindowKind() {
    // Before Qt's windows platform places a window of the kind Qt::Window it asks Direct3D 9 to describe the
    // graphics adapter, so as to keep OpenGL windows off a screen whose adapter crashes them; the sheet never draws
    // with OpenGL (the Qt it ships with has none). A frameless dialog is placed without asking, and is the same
    // unowned popup window to Windows: the same taskbar button and task-switcher entry. Under Wine the question
    // starts OpenGL and took 220 to 360 ms of each start.
    return Qt::Dialog | Qt::FramelessWindowHint;
}
