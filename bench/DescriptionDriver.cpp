// A huge description in the real item editor window: how long the window stops answering while it opens, how
// long Save takes until the window is gone, and the peak memory against a bare window of the sheet's size shown
// first in the same process. The description is lines of some twenty bytes, which the box never wraps, in CR LF.
// Messages are recorded instead of shown: any message fails the run.
//
// Usage: description_driver WORK_FOLDER MIB [RUNS]
// One size a process, so that the peak memory is this size's own.

#include "bench/ProjectFiles.h"
#include "bench/SilentDesktop.h"
#include "itemdata/ItemFiles.h"
#include "platform/EditorApplication.h"
#include "ui/forms/ItemSheet.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double kSaveGoalMsPer5MiB = 300.0;
constexpr double kSaveGoalMsPer50MiB = 3000.0;
constexpr double kFreezeGoalMs = 500.0;
constexpr qint64 kGiveUpMs = 300000;

// The peak resident memory of this process so far, in MiB.
double PeakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

std::string DescriptionOf(std::size_t bytes) {
    std::string description;
    description.reserve(bytes + 32);
    for (int line = 0; description.size() < bytes; ++line)
        description += Numbered("The tale, line ", line) + "\r\n";
    return description;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string WriteProject(const std::string& folder, const std::string& description) {
    namespace fs = std::filesystem;
    fs::remove_all(folder);
    fs::create_directories(fs::path(folder) / "SERVER");
    fs::create_directories(fs::path(folder) / "CLIENT");
    WriteFile(fs::path(folder) / "SERVER" / "Tale.ITM", "Type=Quest\r\nBonus=\r\nPrice=0\r\nClass=ALL\r\nStack=1\r\n");
    WriteFile(fs::path(folder) / "CLIENT" / "Tale.ITM", description);
    fs::copy_file(BRINDLE_SAMPLE_PROJECT "/CLIENT/RubyRing.BMP", fs::path(folder) / "CLIENT" / "Tale.BMP");
    return folder + "/Tale.ITM";
}

double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// A bare window of the sheet's size with one label, shown and painted, as the start-up benchmark's.
void ShowBareWindow() {
    QWidget bare;
    bare.resize(632, 426);
    QLabel label(QStringLiteral("Tale"), &bare);
    label.setGeometry(232, 16, 201, 17);
    bare.show();
    QCoreApplication::processEvents();
    bare.repaint();
}

struct Run {
    double openMs = 0;
    double longestFreezeMs = 0;
    double saveMs = 0;
    bool quiet = false;
};

Run OpenAndSave(const std::string& item) {
    SilentDesktop desktop;
    Run run;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        run.longestFreezeMs = std::max(run.longestFreezeMs, Milliseconds(sinceTick));
        sinceTick.restart();
    });
    QElapsedTimer timer;
    timer.start();
    sinceTick.start();
    ticker.start();
    auto* form = new ItemSheet(desktop, {item});
    form->show();
    const QLabel* name = form->findChild<QLabel*>(QStringLiteral("nameLabel"));
    while (name && name->text().isEmpty() && !timer.hasExpired(kGiveUpMs))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The box may show a long description over many turns of the event loop: the open lasts until it stops
    // growing.
    const auto* box = form->findChild<QPlainTextEdit*>(QStringLiteral("descriptionBox"));
    for (int shown = -1; box && shown != box->document()->characterCount() && !timer.hasExpired(kGiveUpMs);) {
        shown = box->document()->characterCount();
        QElapsedTimer settle;
        settle.start();
        while (!settle.hasExpired(200))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    run.openMs = Milliseconds(timer);
    ticker.stop();
    timer.restart();
    form->Save();
    delete form;
    run.saveMs = Milliseconds(timer);
    for (const QString& message : desktop.messages)
        std::fprintf(stderr, "description_driver: the window showed: %s\n", qPrintable(message));
    run.quiet = desktop.messages.isEmpty();
    return run;
}

const char* Verdict(bool met) {
    return met ? "met" : "NOT MET";
}

} // namespace

int main(int argc, char** argv) {
    EditorApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    if (argc < 3) {
        std::fprintf(stderr, "usage: description_driver WORK_FOLDER MIB [RUNS]\n");
        return 2;
    }
    const int mib = std::max(1, std::atoi(argv[2]));
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    ShowBareWindow();
    const double bareMiB = PeakMiB();
    // Only the description's hash is kept, so that the peak memory is the window's own.
    std::string description = DescriptionOf(static_cast<std::size_t>(mib) << 20);
    const std::string item = WriteProject(argv[1], description);
    const std::size_t descriptionHash = std::hash<std::string>()(description);
    description = std::string();
    std::vector<double> opens, freezes, saves;
    for (int i = 0; i < runs; ++i) {
        const Run run = OpenAndSave(item);
        if (!run.quiet)
            return 1;
        // Lines that fit the box are saved as they were: a save that changed a byte fails the run.
        if (std::hash<std::string>()(ReadWhole(std::string(argv[1]) + "/CLIENT/Tale.ITM")) != descriptionHash) {
            std::fprintf(stderr, "description_driver: the saved description differs from the one opened\n");
            return 1;
        }
        opens.push_back(run.openMs);
        freezes.push_back(run.longestFreezeMs);
        saves.push_back(run.saveMs);
    }
    std::sort(opens.begin(), opens.end());
    std::sort(freezes.begin(), freezes.end());
    std::sort(saves.begin(), saves.end());
    const double freeze = freezes[freezes.size() / 2], save = saves[saves.size() / 2];
    const double saveGoal = mib <= 5 ? kSaveGoalMsPer5MiB : kSaveGoalMsPer50MiB;
    const double memoryGoal = mib <= 5 ? 60 : 600;
    const double overBare = PeakMiB() - bareMiB;
    std::printf(
        "  %3d MiB  open until the whole text is shown %7.1f ms (the last 200 ms waiting to see it stop growing)\n",
        mib, opens[opens.size() / 2]);
    std::printf("  %3d MiB  longest freeze while it opens %7.1f ms  goal under %.0f ms: %s\n", mib, freeze,
                kFreezeGoalMs, Verdict(freeze < kFreezeGoalMs));
    std::printf("  %3d MiB  save to the window gone        %7.1f ms  goal %.0f ms: %s\n", mib, save, saveGoal,
                Verdict(save <= saveGoal));
    std::printf("  %3d MiB  peak memory over a bare window %7.1f MiB goal %.0f MiB: %s\n", mib, overBare, memoryGoal,
                Verdict(overBare <= memoryGoal));
    return 0;
}
