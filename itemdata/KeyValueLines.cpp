#include "itemdata/KeyValueLines.h"

#include "base/TextCase.h"
#include "itemdata/LineScan.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

// The line's text before its first "="; none for a line without "=", which has no name.
bool NameOf(std::string_view line, std::string_view& name) {
    // A plain loop: names are short, and a library call per line cost more than the search.
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '=') {
            name = line.substr(0, i);
            return true;
        }
    }
    return false;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetterIgnoringCase);
}

// True when line's text before its first "=" is name, ignoring letter case.
bool IsNamed(std::string_view line, const std::string& name) {
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

KeyValueLines::KeyValueLines(std::string text, std::vector<std::string> notedNames) : m_text(std::move(text)) {
    if (m_text.size() >= kWrittenLine)
        throw std::length_error("the text is 4 GiB or larger");
    for (std::string& name : notedNames) {
        if (name.size() < 64)
            m_notedLengths |= std::uint64_t{1} << name.size();
        m_noted.push_back({std::move(name), kMissing});
    }
    // Room for lines of some thirty bytes, the common length.
    m_lines.reserve(m_text.size() / 32 + 1);
    const std::string_view bytes(m_text);
    ScanLines(bytes, [&](const ScannedLine& line) {
        if (line.nameEnd != ScannedLine::kNoName) {
            const std::size_t nameLength = line.nameEnd - line.start;
            if (nameLength >= 64 || (m_notedLengths >> nameLength) & 1)
                NoteLine(m_lines.size(), bytes.substr(line.start, nameLength));
        }
        m_lines.emplace_back(line.start, line.end);
    });
}

std::string_view KeyValueLines::View(std::size_t index) const {
    const Place& place = m_lines[index];
    if (place.Written())
        return m_written[place.end];
    return std::string_view(m_text.data() + place.start, place.end - place.start);
}

std::string KeyValueLines::ReadValue(const std::string& name) const {
    const std::size_t index = FirstLineNamed(name);
    return index == kMissing ? std::string() : std::string(View(index).substr(name.size() + 1));
}

void KeyValueLines::WriteValue(const std::string& name, const std::string& value) {
    const std::size_t index = FirstLineNamed(name);
    m_written.push_back(name + "=" + value);
    // A replaced line keeps its name, and with it its place among the noted lines; an appended one may be the first
    // line of a noted name.
    if (index != kMissing) {
        m_lines[index] = Place(kWrittenLine, m_written.size() - 1);
        return;
    }
    m_lines.emplace_back(kWrittenLine, m_written.size() - 1);
    std::string_view appendedName;
    if (NameOf(m_written.back(), appendedName))
        NoteLine(m_lines.size() - 1, appendedName);
}

std::size_t KeyValueLines::FirstLineNamed(const std::string& name) const {
    for (const NotedName& noted : m_noted) {
        if (SameNameIgnoringCase(noted.name, name))
            return noted.firstLine;
    }
    return FindLine(name, 0);
}

void KeyValueLines::NoteLine(std::size_t line, std::string_view name) {
    for (NotedName& noted : m_noted) {
        if (noted.firstLine == kMissing && SameNameIgnoringCase(noted.name, name))
            noted.firstLine = line;
    }
}

std::size_t KeyValueLines::FindLine(const std::string& name, std::size_t from) const {
    // A name holding "=" never matches: every line's name ends before its first "=".
    if (name.find('=') != std::string::npos)
        return kMissing;
    for (std::size_t i = from; i < m_lines.size(); ++i) {
        if (IsNamed(View(i), name))
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

std::vector<std::string> KeyValueLines::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(m_lines.size());
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        lines.emplace_back(View(i));
    return lines;
}

std::string KeyValueLines::Text() const {
    std::string text;
    WriteText([&text](const char* bytes, std::size_t size) { text.append(bytes, size); });
    return text;
}

void KeyValueLines::WriteText(const std::function<void(const char*, std::size_t)>& write) const {
    static const char kLineEnd[] = "\r\n";
    // The pending run [runStart, runEnd) of the text read, written in one piece once the next line breaks it.
    std::size_t runStart = 0, runEnd = 0;
    const auto writeRun = [&] {
        if (runEnd > runStart)
            write(m_text.data() + runStart, runEnd - runStart);
        runStart = runEnd = 0;
    };
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Place& place = m_lines[i];
        if (place.Written()) {
            writeRun();
            write(m_written[place.end].data(), m_written[place.end].size());
            write(kLineEnd, 2);
            continue;
        }
        if (place.start != runEnd) {
            writeRun();
            runStart = place.start;
        }
        runEnd = place.end;
        if (EndsInCrLf(i)) {
            runEnd += 2;
        } else {
            writeRun();
            write(kLineEnd, 2);
        }
    }
    writeRun();
}

bool KeyValueLines::EndsInCrLf(std::size_t line) const {
    // Only CR LF takes two bytes: where the next line read starts two bytes on, the text need not be looked at.
    const std::size_t end = m_lines[line].end;
    if (line + 1 == m_lines.size())
        return m_text.size() == end + 2;
    if (!m_lines[line + 1].Written())
        return m_lines[line + 1].start == end + 2;
    return end + 1 < m_text.size() && m_text[end] == '\r' && m_text[end + 1] == '\n';
}
