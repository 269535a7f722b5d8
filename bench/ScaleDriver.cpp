// Open and save times of the real item editor window for a large generated item and one ten times smaller, with
// the ratio that shows whether the work grows linearly. Open runs from creating the window with the item on its
// command line to the item loaded and the whole window painted; save is the Save command (ItemSheet::Save), which
// writes the server data and description files. Messages are recorded instead of shown: any message fails the run.
//
// Usage: scale_driver WORK_FOLDER [RUNS] [small|large|both]
// Runs under any Qt platform (QT_QPA_PLATFORM=offscreen or a display); a warm-up run first loads fonts and plug-ins.

#include "bench/ScaleProject.h"
#include "bench/SilentDesktop.h"
#include "itemdata/ItemFiles.h"
#include "platform/EditorApplication.h"
#include "ui/forms/ItemSheet.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double kLinearGoal = 12.0;
constexpr double kLargeOpenGoalMs = 1000.0;
constexpr qint64 kGiveUpMs = 60000;

struct Timing {
    double openMs;
    double saveMs;
};

double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

bool Quiet(const SilentDesktop& desktop, const char* step) {
    for (const QString& message : desktop.messages)
        std::fprintf(stderr, "scale_driver: %s showed: %s\n", step, qPrintable(message));
    return desktop.messages.isEmpty();
}

std::optional<Timing> OpenAndSave(const std::string& itemArgument) {
    SilentDesktop desktop;
    QElapsedTimer timer;
    timer.start();
    ItemSheet form(desktop, {itemArgument});
    form.show();
    const QLabel* name = form.findChild<QLabel*>(QStringLiteral("nameLabel"));
    // The item is loaded by one queued call after the first showing; the name is set in that call.
    while (name && name->text().isEmpty() && !timer.hasExpired(kGiveUpMs))
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    form.repaint();
    Timing timing{Milliseconds(timer), 0};
    if (!Quiet(desktop, "open"))
        return std::nullopt;
    timer.restart();
    form.Save();
    timing.saveMs = Milliseconds(timer);
    if (!Quiet(desktop, "save"))
        return std::nullopt;
    return timing;
}

// The saved item must still hold every bonus; the description is saved as the box wraps it, so only its
// presence is checked.
bool SavedWhole(const std::string& folder, const ItemScale& scale) {
    const EditedItem saved = OpenItem(folder + "/", "Scale").item;
    const bool whole =
        static_cast<int>(saved.bonuses.size()) == scale.bonuses && saved.description && !saved.description->empty();
    if (!whole)
        std::fprintf(stderr, "scale_driver: the saved %s item lost data\n", scale.name);
    return whole;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Measured {
    ItemScale scale;
    double openMs;
    double saveMs;
};

std::optional<Measured> Measure(const std::string& workFolder, const ItemScale& scale, int runs) {
    const std::string folder = workFolder + "/" + scale.name;
    std::vector<double> opens, saves;
    for (int run = 0; run < runs; ++run) {
        const std::string item = WriteScaleProject(folder, scale, BRINDLE_SAMPLE_PROJECT "/CLIENT/RubyRing.BMP");
        const std::optional<Timing> timing = OpenAndSave(item);
        if (!timing || !SavedWhole(folder, scale))
            return std::nullopt;
        opens.push_back(timing->openMs);
        saves.push_back(timing->saveMs);
    }
    return Measured{scale, Median(opens), Median(saves)};
}

const char* Verdict(bool met) {
    return met ? "met" : "NOT MET";
}

void PrintRow(const Measured& row) {
    std::printf("  %-6s %11d %8d %10zu B %11d %9.1f %9.1f\n", row.scale.name, row.scale.otherLines, row.scale.bonuses,
                row.scale.descriptionBytes, row.scale.classFiles, row.openMs, row.saveMs);
}

void PrintReport(const std::vector<Measured>& rows, int runs) {
    std::printf("scale: open = window created to item loaded and painted, save = Save; median of %d runs\n", runs);
    std::printf("  item   other lines  bonuses  description  class files   open ms   save ms\n");
    for (const Measured& row : rows)
        PrintRow(row);
    if (rows.size() != 2)
        return;
    const Measured& small = rows[0];
    const Measured& large = rows[1];
    const double openRatio = large.openMs / small.openMs;
    const double saveRatio = large.saveMs / small.saveMs;
    std::printf("  ratio large / small %44.1f x %7.1f x\n", openRatio, saveRatio);
    std::printf("  goal: large within %.0f x of small: open %s, save %s\n", kLinearGoal,
                Verdict(openRatio <= kLinearGoal), Verdict(saveRatio <= kLinearGoal));
    std::printf("  goal: large open under 1 s: %.1f ms, %s\n", large.openMs, Verdict(large.openMs < kLargeOpenGoalMs));
}

} // namespace

int main(int argc, char** argv) {
    EditorApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: scale_driver WORK_FOLDER [RUNS] [small|large|both]\n");
        return 2;
    }
    const std::string workFolder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string which = argc > 3 ? argv[3] : "both";
    std::vector<ItemScale> scales;
    if (which != "large")
        scales.push_back(SmallItem());
    if (which != "small")
        scales.push_back(LargeItem());
    if (!Measure(workFolder, SmallItem(), 1))
        return 1;
    std::vector<Measured> rows;
    for (const ItemScale& scale : scales) {
        const std::optional<Measured> row = Measure(workFolder, scale, runs);
        if (!row)
            return 1;
        rows.push_back(*row);
    }
    PrintReport(rows, runs);
    return 0;
}
