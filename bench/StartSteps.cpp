// Where a Windows program's start-up goes, step by step: from the process's creation (as Windows recorded it) to
// main, Qt's application object, the font database and the style, the window built, shown, first painted, and
// the item's name painted and handed to the system. The window is either the bare Qt window of the start-up
// baseline or the real item sheet on an item. Each step's end is printed in milliseconds since the creation.
//
// Usage: start_steps bare TEXT | start_steps sheet ITEM_FILE

#include "bench/BareWindow.h"
#include "bench/SilentDesktop.h"
#include "platform/EditorApplication.h"
#include "ui/artwork/BakedArtwork.h"
#include "ui/artwork/SheetFont.h"
#include "ui/forms/ItemSheet.h"

#include <QFontDatabase>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Milliseconds since the process was created, on the clock Windows records a creation with.
double SinceCreation() {
    FILETIME creation, exit, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (ticks(now) - ticks(creation)) / 1e4;
}

class Steps {
public:
    void Mark(const char* step) { m_marks.emplace_back(step, SinceCreation()); }
    void Print() const {
        double previous = 0;
        for (const auto& [step, at] : m_marks) {
            std::printf("%8.1f ms  %+7.1f  %s\n", at, at - previous, step);
            previous = at;
        }
        std::fflush(stdout);
    }

private:
    std::vector<std::pair<const char*, double>> m_marks;
};

// Marks the first paint of any widget and the first paint of the name with its text, then the turn of the event
// loop that follows it, when the painted frame has been handed to the system; then ends the program.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(Steps& steps) : m_steps(steps) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        if (!m_painted) {
            m_painted = true;
            m_steps.Mark("first paint event");
        }
        const auto* name = qobject_cast<QLabel*>(watched);
        if (!m_named && name && name->objectName() == QLatin1String("nameLabel") && !name->text().isEmpty()) {
            m_named = true;
            QTimer::singleShot(0, [this] {
                m_steps.Mark("name painted and flushed");
                m_steps.Print();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    Steps& m_steps;
    bool m_painted = false;
    bool m_named = false;
};

} // namespace

int main(int argc, char** argv) {
    Steps steps;
    steps.Mark("main entered (programs and libraries loaded and started)");
    const bool sheet = argc == 3 && std::strcmp(argv[1], "sheet") == 0;
    if (argc != 3 || (!sheet && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: start_steps bare TEXT | start_steps sheet ITEM_FILE\n");
        return 2;
    }
    int programNameOnly = 1;
    EditorApplication application(programNameOnly, argv);
    steps.Mark("application constructed (platform plug-in, screens)");
    PaintWatch watch(steps);
    application.installEventFilter(&watch);
    if (sheet) {
        QApplication::setFont(SheetFont());
        QApplication::setWindowIcon(BakedArtwork::ProgramIcon());
        steps.Mark("sheet font and icon set");
    }
    QFontDatabase::families();
    steps.Mark("font database read");
    QApplication::style();
    steps.Mark("style made (style plug-in)");
    SilentDesktop desktop;
    std::unique_ptr<QWidget> window;
    if (sheet)
        window = std::make_unique<ItemSheet>(desktop, std::vector<std::string>{argv[2]});
    else
        window = MakeBareWindow(QString::fromLocal8Bit(argv[2]));
    steps.Mark("window built");
    window->show();
    steps.Mark("window shown (native window made)");
    return application.exec();
}
