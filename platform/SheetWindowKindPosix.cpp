#include "platform/SheetWindowKind.h"

Qt::WindowFlags SheetWindowKind() {
    return Qt::Window | Qt::FramelessWindowHint;
}
