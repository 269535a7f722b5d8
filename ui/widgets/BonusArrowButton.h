#pragma once

#include <QAbstractButton>

// One of the number box's two flat arrow buttons: it never takes the focus, and held down it repeats its press
// first after 400 ms and then every 100 ms.
class BonusArrowButton : public QAbstractButton {
    Q_OBJECT

public:
    // up selects the arrow's direction; the parent owns the button.
    BonusArrowButton(bool up, QWidget* parent);

    QSize sizeHint() const override { return {17, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_up;
};
