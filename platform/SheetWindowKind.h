#pragma once

#include <Qt>

// The kind of top-level window the item sheet is to the desktop: frameless always, as the sheet paints its own
// edges, and otherwise what starts quickest on each desktop with the same taskbar entry and behaviour.
Qt::WindowFlags SheetWindowKind();
