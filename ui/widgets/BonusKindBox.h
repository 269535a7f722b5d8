#pragma once

#include "ui/widgets/FocusedWheelComboBox.h"

// The bonus kind list: a drop-down list without typing whose rows are 23 pixels high, with a flat arrow button.
class BonusKindBox : public FocusedWheelComboBox {
    Q_OBJECT

public:
    explicit BonusKindBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
