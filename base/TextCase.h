#pragma once

#include <string>

// Names of keys, types, classes and files are compared the way Windows compares them: ignoring letter case.
bool SameLetterIgnoringCase(char a, char b);
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

std::string UpperCaseAscii(std::string text);
