#pragma once

#include <QLabel>

#include <functional>

// One of the sheet's image buttons: a lit piece of the background laid exactly over its painted caption.
// It starts hidden, shows the hand pointer, and can be clicked only while it is shown.
class HoverButton : public QLabel {
    Q_OBJECT

public:
    HoverButton(const QString& name, const QPixmap& picture, QWidget* parent);

    void SetClickHandler(std::function<void()> handler) { m_clickHandler = std::move(handler); }

    // True when the point, in the parent's coordinates, lies strictly inside the button.
    bool StrictlyContains(const QPoint& point) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_clickHandler;
    bool m_pressed = false;
};
