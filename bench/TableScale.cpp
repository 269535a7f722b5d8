// brindlework-table on the generated project of 10,000 items: the wall time of a whole export to a file, and of a
// dry-run import of that table with every price changed, each the median of several runs after a warm-up.

#include "bench/GeneratedProject.h"
#include "table/TableRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kItems = 10000;
constexpr double kGoalMs = 1000;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Every item's price 1500 becomes 1750: the dry run finds and tells a change in every row.
std::string WithPricesRaised(std::string table) {
    for (auto at = table.find(",1500,"); at != std::string::npos; at = table.find(",1500,", at + 1))
        table.replace(at + 1, 4, "1750");
    return table;
}

// The median wall time of runs runs of the command after one that warms the cache; a negative time when a run
// fails, or prints less than it must.
double MedianMs(const std::vector<std::string>& command, int runs, const std::string& mustPrint) {
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        std::ostringstream out, err;
        const auto start = std::chrono::steady_clock::now();
        const int status = RunTable(command, out, err);
        const std::chrono::duration<double, std::milli> used = std::chrono::steady_clock::now() - start;
        if (status != 0 || out.str().find(mustPrint) == std::string::npos) {
            std::fprintf(stderr, "table_scale: status %d\n%s%s", status, out.str().substr(0, 200).c_str(),
                         err.str().substr(0, 400).c_str());
            return -1;
        }
        if (run > 0)
            times.push_back(used.count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

const char* Verdict(double ms) {
    return ms >= 0 && ms < kGoalMs / 2 ? "met" : "NOT MET";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: table_scale WORK_FOLDER [RUNS]\n");
        return 2;
    }
    const fs::path work = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const fs::path project = work / "table-project";
    const int files = WriteGeneratedProject(project, kItems, ReadAll(BRINDLE_SAMPLE_PROJECT "/CLIENT/RubyRing.BMP"));
    const std::string root = project.string();
    const std::string table = (work / "items.csv").string();
    const double exportMs = MedianMs({"export", root, "-o", table}, runs, "written to");
    std::ofstream(work / "edited.csv", std::ios::binary) << WithPricesRaised(ReadAll(table));
    const double dryRunMs = MedianMs({"import", root, (work / "edited.csv").string(), "--dry-run"}, runs,
                                     "dry run: " + std::to_string(kItems) + " values of");
    fs::remove_all(project);
    std::printf("table: brindlework-table on a project of %d items and %d files, %d classes, warm cache;\n"
                "wall time of one command, median of %d runs after a warm-up\n",
                kItems, files, kGeneratedClasses, runs);
    std::printf("  export to a file              %8.1f ms\n", exportMs);
    std::printf("  dry-run import, every price   %8.1f ms\n", dryRunMs);
    std::printf("  goal: export well under 1 s: %s\n", Verdict(exportMs));
    std::printf("  goal: dry-run import well under 1 s: %s\n", Verdict(dryRunMs));
    return exportMs < 0 || dryRunMs < 0 ? 1 : 0;
}
