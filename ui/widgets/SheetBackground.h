#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// The item sheet's background picture filling the window; reports every pointer movement over it.
class SheetBackground : public QWidget {
    Q_OBJECT

public:
    SheetBackground(const QImage& sheet, QWidget* parent);

    void SetMouseMoveHandler(std::function<void(const QPoint&)> handler) { m_mouseMoveHandler = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_sheet;
    std::function<void(const QPoint&)> m_mouseMoveHandler;
};
