#pragma once

#include <string>
#include <vector>

// Text files as the editor reads and writes them, for tests that build or look at such files line by line: lines of
// bytes, ended by CR LF on writing. A plain reference, kept apart from the store's own reading.

// The lines of bytes; CR LF, a lone CR and a lone LF each end a line. A final line end adds no empty line, so
// "a\r\nb\r\n" and "a\nb" both give the lines a and b, and the empty text gives no lines.
std::vector<std::string> SplitLines(const std::string& bytes);

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
