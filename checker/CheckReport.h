#pragma once

#include "checker/ProjectCheck.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

// Everything one run of the checker found, over every project folder it was given.
struct CheckReport {
    struct Project {
        std::string folder; // as given on the command line
        ProjectResult result;
    };
    struct UnreadFolder {
        std::string folder;
        std::string message; // printable
    };
    std::vector<Project> projects;
    std::vector<UnreadFolder> unreadFolders;

    std::size_t Items() const;
    std::size_t Count(Severity severity) const;
    // How a finding's file is shown: relative to its project folder, or, when several were given, prefixed by it.
    std::string ShownFile(const Project& project, const Finding& finding) const;
};

// "120 items checked: 3 errors, 5 warnings"
std::string SummaryLine(const CheckReport& report);

// One line per finding, FILE[:LINE]: error|warning: MESSAGE, then the summary line. quiet leaves out the
// warnings and the summary.
void WriteTextReport(const CheckReport& report, bool quiet, std::ostream& out);

// One JSON document: every finding with its project, file, line (null for a whole file), severity, check and
// message; the folders that could not be read; the counts. The system's text is converted to UTF-8, and bytes
// that still are no UTF-8 are written as U+FFFD.
void WriteJsonReport(const CheckReport& report, std::ostream& out);
