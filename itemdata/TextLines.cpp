#include "itemdata/TextLines.h"

#include <algorithm>

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    // Room for every line up front: a file of 100,000 lines is not moved from one list to a bigger one 17 times.
    lines.reserve(static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), IsLineBreak)) + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        lines.emplace_back(bytes, start, end - start);
        const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes.append(line);
        bytes.append("\r\n", 2);
    }
    return bytes;
}
