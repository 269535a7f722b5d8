#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

// Writing the generated projects of the benchmarks.

// Writes the file with exactly these bytes, replacing it.
inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// prefix followed by number in five digits ("Class00042"), so that names sort in their numbers' order.
inline std::string Numbered(const char* prefix, int number) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%05d", prefix, number);
    return text;
}
