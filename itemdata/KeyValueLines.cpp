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

KeyValueLines::KeyValueLines(std::vector<std::string> lines, bool autoAdd)
    : m_lines(std::move(lines)), m_autoAdd(autoAdd) {}

std::string KeyValueLines::ReadValue(const std::string& name, bool addIfMissing) {
    const std::size_t index = FindLine(name);
    if (index != kMissing)
        return m_lines[index].substr(name.size() + 1);
    if (!m_autoAdd && !addIfMissing)
        return {};
    m_lines.push_back(name + "=0");
    return "0";
}

void KeyValueLines::WriteValue(const std::string& name, const std::string& value, bool addIfMissing) {
    const std::size_t index = FindLine(name);
    if (index != kMissing)
        m_lines[index] = name + "=" + value;
    else if (m_autoAdd || addIfMissing)
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
