#pragma once

#include <QPalette>

// The colours of a control that stands on one of the sheet's painted white boxes: the box's white and black text,
// whatever the desktop's colour scheme, so that no scheme puts light text on the white box or a dark field inside
// it; the selection keeps the desktop's highlight and its highlighted text, which the scheme makes contrast.
QPalette FieldPalette(QPalette desktop);
