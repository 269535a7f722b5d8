#pragma once

#include <QFont>

// The item sheet's font: "MS Sans Serif" 11 pixels high, or the nearest installed sans-serif family.
QFont SheetFont();
