#pragma once

#include <QComboBox>

// The bonus kind list: a drop-down list without typing whose rows are 23 pixels high, with a flat arrow button.
class TBonusKindBox : public QComboBox {
public:
    explicit TBonusKindBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
