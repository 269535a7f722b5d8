#pragma once

#include "base/Quoting.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class Severity { Warning, Error };

// One thing the checker found wrong with a project's file. Every text is printable: a control character read from
// a file never reaches a terminal or a log raw.
struct Finding {
    std::string file;                // relative to the project folder, with the platform's separator
    std::optional<std::size_t> line; // counted from 1; none for the file as a whole
    Severity severity;
    std::string check; // the check's stable name, such as "bonus-unknown-kind"
    std::string message;
};

// Collects the findings of one project.
class FindingList {
public:
    void Add(const std::string& file, std::optional<std::size_t> line, Severity severity, const char* check,
             const std::string& message);

    // The findings by file and then by line, a file's findings without a line first; otherwise as found.
    std::vector<Finding> Sorted() const;

private:
    std::vector<Finding> m_findings;
};
