#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

// One of the sheet's image buttons: a lit piece of the background laid exactly over its painted caption.
// It starts hidden, shows the hand pointer, and can be clicked only while it is shown.
class HoverButton : public QWidget {
    Q_OBJECT

public:
    HoverButton(const QString& name, const QSize& size, QWidget* parent);

    // The lit picture, whose top-left corner lies at origin in the parent's coordinates: the button shows the part
    // of it that lies under the button, on the same device pixels as the background it covers.
    void SetPicture(const QPixmap& picture, const QPoint& origin);

    // True when the point, in the parent's coordinates, lies strictly inside the button.
    bool StrictlyContains(const QPoint& point) const;

Q_SIGNALS:
    // A left click released over the shown button.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QPoint m_origin;
    bool m_pressed = false;
};
