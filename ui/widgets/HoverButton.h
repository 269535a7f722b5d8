#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPoint>

// One of the sheet's five commands: a button laid exactly over its painted caption, which it shows lit (a lit piece
// of the background) while the pointer rests on it or it has the keyboard's focus; unlit, the painted caption shows
// through. The pointer lights it only strictly inside it, and a click counts only while it is lit. Tab reaches it,
// and Enter or Space runs it.
class HoverButton : public QAbstractButton {
    Q_OBJECT

public:
    HoverButton(const QString& name, const QString& caption, const QSize& size, QWidget* parent);

    // The lit picture, whose top-left corner lies at origin in the parent's coordinates: the button shows the part
    // of it that lies under the button, on the same device pixels as the background it covers.
    void SetPicture(const QPixmap& picture, const QPoint& origin);

    // True when the point, in the parent's coordinates, lies strictly inside the button.
    bool StrictlyContains(const QPoint& point) const;

    // Lit by the pointer, as the sheet's pointer rules decide.
    void SetPointedAt(bool pointedAt);
    bool IsLit() const { return m_pointedAt || hasFocus(); }

Q_SIGNALS:
    // The pointer moved to point, in the parent's coordinates, while the button was not lit.
    void pointerMovedOutsideLit(const QPoint& point);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap m_picture;
    QPoint m_origin;
    bool m_pointedAt = false;
};
