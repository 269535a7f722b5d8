// The start-up baseline: the least a Qt Widgets program does to show the bare window (bench/BareWindow.h).
//
// Usage: bare_window TEXT

#include "bench/BareWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::unique_ptr<QWidget> window =
        MakeBareWindow(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Bare"));
    window->show();
    return application.exec();
}
