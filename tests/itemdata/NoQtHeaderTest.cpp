#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

// The item data is built without Qt, for the tests, the fuzz targets and the benchmarks alike.
TEST(ItemDataSources, IncludeNoQtHeader) {
    const std::filesystem::path folder = std::filesystem::path(BRINDLE_SOURCE_DIR) / "itemdata";
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"]Q)");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            EXPECT_FALSE(std::regex_search(line, qtInclude))
                << entry.path().filename() << ":" << number << ": " << line;
    }
    EXPECT_GT(files, 0);
}
