#include "base/TextCase.h"

char UpperCaseLetter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameLetterIgnoringCase(char a, char b) {
    return UpperCaseLetter(a) == UpperCaseLetter(b);
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameLetterIgnoringCase(a[i], b[i]))
            return false;
    }
    return true;
}

std::string UpperCaseAscii(std::string text) {
    for (char& c : text)
        c = UpperCaseLetter(c);
    return text;
}

std::optional<std::size_t> IndexIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameTextIgnoringCase(names[i], name))
            return i;
    }
    return std::nullopt;
}
