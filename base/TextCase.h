#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Names of keys, types, classes and files are compared the way Windows compares file names: character by
// character, ignoring letter case. Names are UTF-8 text, so that no byte of one character is ever taken for
// another; a byte that starts no whole UTF-8 sequence is compared as it is.

// One byte compared ignoring the case of ASCII letters: for texts whose other side is ASCII, such as the keys of a
// server data file and the wildcard mask of the class files, where no byte of a longer character can match.
bool SameLetterIgnoringCase(char a, char b);
// The ASCII letter in upper case; any other byte as it is.
char UpperCaseLetter(char c);

// The text with every letter in upper case, as Windows upper-cases a file name for comparing it: ASCII, the
// Latin, Greek, Cyrillic and Armenian letters and the full-width Latin ones.
std::string UpperCaseText(const std::string& text);

bool SameTextIgnoringCase(const std::string& a, const std::string& b);

// The index of the first of names equal to name ignoring letter case, or none.
std::optional<std::size_t> IndexIgnoringCase(const std::vector<std::string>& names, const std::string& name);
