// brindlework-check's checks on a generated project of 10,000 items and on one of 1,000, both with 100 classes:
// the processor time of one whole check, warm cache, and the ratio that shows whether the work grows linearly.
// Every item has a description, an icon and a few bonuses, and each wearable one its class's appearance file, so
// the project checks clean and every check runs its whole course.

#include "bench/GeneratedProject.h"
#include "checker/ProjectCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kGoalMs = 1000;
constexpr double kLinearGoal = 12;

double ProcessorMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Row {
    int items, files;
    double processorMs;
};

// The median processor time of runs whole checks, after one that warms the cache; none when a check found
// anything, which would mean that it did not check what it should.
std::optional<Row> Measure(const fs::path& root, int items, int runs, const std::string& icon) {
    const int files = WriteGeneratedProject(root, items, icon);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        const double start = ProcessorMs();
        const ProjectResult result = CheckProject(root.string());
        const double used = ProcessorMs() - start;
        if (result.items != static_cast<std::size_t>(items) || !result.findings.empty()) {
            std::fprintf(stderr, "checker_scale: %zu items, %zu findings; first: %s\n", result.items,
                         result.findings.size(), result.findings.empty() ? "" : result.findings[0].message.c_str());
            return std::nullopt;
        }
        if (run > 0)
            times.push_back(used);
    }
    fs::remove_all(root);
    return Row{items, files, Median(times)};
}

const char* Verdict(bool met) {
    return met ? "met" : "NOT MET";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: checker_scale WORK_FOLDER [RUNS]\n");
        return 2;
    }
    const fs::path work = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::ifstream iconFile(BRINDLE_SAMPLE_PROJECT "/CLIENT/RubyRing.BMP", std::ios::binary);
    const std::string icon((std::istreambuf_iterator<char>(iconFile)), std::istreambuf_iterator<char>());
    std::vector<Row> rows;
    for (const int items : {1000, 10000}) {
        const auto row = Measure(work / ("checker-" + std::to_string(items)), items, runs, icon);
        if (!row)
            return 1;
        rows.push_back(*row);
    }
    std::printf("checker: brindlework-check's checks of a whole project, %d classes, warm cache;\n"
                "processor time (user + system) of one check, median of %d runs after a warm-up\n",
                kGeneratedClasses, runs);
    std::printf("  items   files   processor ms\n");
    for (const Row& row : rows)
        std::printf("  %5d  %6d  %13.1f\n", row.items, row.files, row.processorMs);
    const double ratio = rows[1].processorMs / rows[0].processorMs;
    std::printf("  ratio 10,000 / 1,000 %9.1f x\n", ratio);
    std::printf("  goal: ten times the items within %.0f x the time: %s\n", kLinearGoal, Verdict(ratio <= kLinearGoal));
    std::printf("  goal: 10,000 items well under 1 s: %.1f ms, %s\n", rows[1].processorMs,
                Verdict(rows[1].processorMs < kGoalMs / 2));
    return 0;
}
