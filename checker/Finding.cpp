#include "checker/Finding.h"

#include "base/Quoting.h"

#include <algorithm>

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
