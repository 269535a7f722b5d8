#include "tests/support/TextLines.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    // Room for every line up front: a file of 100,000 lines is not moved from one list to a bigger one 17 times.
    lines.reserve(static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), IsLineBreak)) + 1);
    // A plain walk over the bytes: searching for either of two characters takes a library call per character.
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* start = begin;
    while (start < end) {
        const char* const lineEnd = std::find_if(start, end, IsLineBreak);
        lines.emplace_back(start, lineEnd);
        const bool crLf = lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n';
        start = lineEnd + (crLf ? 2 : 1);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string bytes(size, '\0');
    char* out = bytes.data();
    for (const auto& line : lines) {
        std::memcpy(out, line.data(), line.size());
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}
