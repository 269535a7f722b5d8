#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Names of keys, types, classes and files are compared the way Windows compares them: ignoring letter case.
bool SameLetterIgnoringCase(char a, char b);
// The letter in upper case, as the comparisons above see it; any other byte as it is.
char UpperCaseLetter(char c);
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

std::string UpperCaseAscii(std::string text);

// The index of the first of names equal to name ignoring letter case, or none.
std::optional<std::size_t> IndexIgnoringCase(const std::vector<std::string>& names, const std::string& name);
