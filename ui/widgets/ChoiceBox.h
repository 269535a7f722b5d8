#pragma once

#include "ui/widgets/FocusedWheelComboBox.h"

// A flat drop-down list on the item sheet: no typing, no frame of its own (the white box painted around it on the
// sheet is its frame), its text a little in from the left and a small arrow at the right. When it has the focus
// its text is highlighted, as a Windows drop-down list shows it.
class ChoiceBox : public FocusedWheelComboBox {
    Q_OBJECT

public:
    ChoiceBox(const QString& name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
