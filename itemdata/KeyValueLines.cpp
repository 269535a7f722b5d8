#include "itemdata/KeyValueLines.h"

#include "base/TextCase.h"

#include <utility>

namespace {

// True when line's text before its first "=" is name, ignoring letter case.
bool IsNamed(const std::string& line, const std::string& name) {
    const std::size_t length = name.size();
    if (line.size() <= length || line[length] != '=')
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (!SameLetterIgnoringCase(line[i], name[i]))
            return false;
    }
    return true;
}

} // namespace

KeyValueLines::KeyValueLines(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

std::string KeyValueLines::ReadValue(const std::string& name) const {
    const std::size_t index = FindLine(name);
    return index == kMissing ? std::string() : m_lines[index].substr(name.size() + 1);
}

void KeyValueLines::WriteValue(const std::string& name, const std::string& value) {
    const std::size_t index = FindLine(name);
    if (index != kMissing)
        m_lines[index] = name + "=" + value;
    else
        m_lines.push_back(name + "=" + value);
}

std::size_t KeyValueLines::FindLine(const std::string& name) const {
    return FindLine(name, 0);
}

std::size_t KeyValueLines::FindLine(const std::string& name, std::size_t from) const {
    // A name holding "=" never matches: every line's name ends before its first "=".
    if (name.find('=') != std::string::npos)
        return kMissing;
    for (std::size_t i = from; i < m_lines.size(); ++i) {
        if (IsNamed(m_lines[i], name))
            return i;
    }
    return kMissing;
}

std::vector<std::size_t> KeyValueLines::LinesNamed(const std::string& name) const {
    std::vector<std::size_t> indices;
    for (std::size_t i = FindLine(name, 0); i != kMissing; i = FindLine(name, i + 1))
        indices.push_back(i);
    return indices;
}
