#include "bench/BareWindow.h"

#include <QLabel>
#include <QPalette>

std::unique_ptr<QWidget> MakeBareWindow(const QString& text) {
    auto window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    window->setWindowTitle(QStringLiteral("Brindlework bare window"));
    window->setFixedSize(632, 426);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto* name = new QLabel(window.get());
    name->setObjectName(QStringLiteral("nameLabel"));
    name->setGeometry(232, 16, 201, 17);
    name->setText(text);
    return window;
}
