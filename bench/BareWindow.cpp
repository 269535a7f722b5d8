// The start-up baseline: the least a Qt Widgets program does to show a window of the item sheet's size (632 x 426)
// with one line of text in the sheet's name box, which is what the stopwatch waits for in both programs.
//
// Usage: bare_window TEXT

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Brindlework bare window"));
    window.setFixedSize(632, 426);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    QLabel name(&window);
    name.setGeometry(232, 16, 201, 17);
    name.setText(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Bare"));
    window.show();
    return application.exec();
}
