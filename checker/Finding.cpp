#include "checker/Finding.h"

#include "base/Quoting.h"

#include <algorithm>
#include <cstdio>

void FindingList::Add(const std::string& file, std::optional<std::size_t> line, Severity severity, const char* check,
                      const std::string& message) {
    m_findings.push_back({Printable(file), line, severity, check, Printable(message)});
}

std::vector<Finding> FindingList::Sorted() const {
    std::vector<Finding> sorted = m_findings;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) {
        if (a.file != b.file)
            return a.file < b.file;
        if (a.line.has_value() != b.line.has_value())
            return !a.line.has_value();
        return a.line.value_or(0) < b.line.value_or(0);
    });
    return sorted;
}

std::string Printable(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        shown += escaped;
    }
    return shown;
}

std::string Quoted(const std::string& text) {
    return Printable(QuotedForMessage(text));
}
