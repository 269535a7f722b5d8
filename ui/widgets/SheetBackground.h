#pragma once

#include <QImage>
#include <QWidget>

// The item sheet's background picture filling the window; tells every pointer movement over it.
class SheetBackground : public QWidget {
    Q_OBJECT

public:
    SheetBackground(const QImage& sheet, QWidget* parent);

Q_SIGNALS:
    // The pointer moved to point, in the parent's coordinates.
    void pointerMoved(const QPoint& point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_sheet;
};
