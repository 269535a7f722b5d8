#pragma once

#include <QComboBox>

// A drop-down list that the mouse wheel turns only once the user has clicked or tabbed into it, so that scrolling
// past it never changes the item.
class FocusedWheelComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit FocusedWheelComboBox(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
