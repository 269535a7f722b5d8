#include "itemdata/KeyValueLines.h"

#include "base/TextCase.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The first c at or after from, or end; a library search, which looks at many bytes at once.
const char* Next(const char* from, const char* end, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
}

// The line's name folded to one letter case, hashed; lines whose names match ignoring case hash alike.
std::size_t NameHash(std::string_view name) {
    std::size_t hash = 14695981039346656037ull;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(UpperCaseLetter(c))) * 1099511628211ull;
    return hash;
}

// The line's text before its first "="; none for a line without "=", which has no name.
bool NameOf(std::string_view line, std::string_view& name) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    name = line.substr(0, equals);
    return true;
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

KeyValueLines::KeyValueLines(std::string text) : m_text(std::move(text)) {
    const char* const begin = m_text.data();
    const char* const end = begin + m_text.size();
    const char* start = begin;
    // The next CR and the next LF are each searched once, so a file ended by one kind only stays one pass.
    const char* nextCr = Next(begin, end, '\r');
    const char* nextLf = Next(begin, end, '\n');
    while (start < end) {
        if (nextCr < start)
            nextCr = Next(start, end, '\r');
        if (nextLf < start)
            nextLf = Next(start, end, '\n');
        const char* const lineEnd = std::min(nextCr, nextLf);
        m_lines.push_back({static_cast<std::size_t>(start - begin), static_cast<std::size_t>(lineEnd - start)});
        const bool crLf = lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n';
        start = lineEnd + (crLf ? 2 : 1);
    }
}

std::string_view KeyValueLines::View(std::size_t index) const {
    const Place& place = m_lines[index];
    if (place.written != kMissing)
        return m_written[place.written];
    return std::string_view(m_text).substr(place.start, place.length);
}

std::string KeyValueLines::ReadValue(const std::string& name) const {
    const std::size_t index = FirstLineNamed(name);
    return index == kMissing ? std::string() : std::string(View(index).substr(name.size() + 1));
}

void KeyValueLines::WriteValue(const std::string& name, const std::string& value) {
    const std::size_t index = FirstLineNamed(name);
    m_written.push_back(name + "=" + value);
    // A replaced line keeps its name, and with it its place in the index; an appended one may bring a new name.
    if (index != kMissing) {
        m_lines[index].written = m_written.size() - 1;
        return;
    }
    m_lines.push_back({0, 0, m_written.size() - 1});
    Index(m_lines.size() - 1);
}

std::size_t KeyValueLines::FirstLineNamed(const std::string& name) const {
    // A name holding "=" never matches: every line's name ends before its first "=".
    if (name.find('=') != std::string::npos)
        return kMissing;
    if (m_firstLines.empty())
        BuildIndex();
    const std::size_t mask = m_firstLines.size() - 1;
    for (std::size_t slot = NameHash(name) & mask;; slot = (slot + 1) & mask) {
        const std::size_t entry = m_firstLines[slot];
        if (entry == 0)
            return kMissing;
        if (IsNamed(View(entry - 1), name))
            return entry - 1;
    }
}

void KeyValueLines::BuildIndex() const {
    std::size_t slots = 16;
    while (slots < 2 * (m_lines.size() + 1))
        slots *= 2;
    m_firstLines.assign(slots, 0);
    m_indexedNames = 0;
    for (std::size_t line = 0; line < m_lines.size(); ++line)
        Index(line);
}

void KeyValueLines::Index(std::size_t line) const {
    std::string_view name;
    if (m_firstLines.empty() || !NameOf(View(line), name))
        return;
    // At most half the slots are taken, so that a look-up meets an empty slot soon.
    if (2 * (m_indexedNames + 1) > m_firstLines.size()) {
        BuildIndex();
        return;
    }
    const std::size_t mask = m_firstLines.size() - 1;
    for (std::size_t slot = NameHash(name) & mask;; slot = (slot + 1) & mask) {
        const std::size_t entry = m_firstLines[slot];
        if (entry == 0) {
            m_firstLines[slot] = line + 1;
            ++m_indexedNames;
            return;
        }
        std::string_view earlier;
        if (NameOf(View(entry - 1), earlier) && SameNameIgnoringCase(earlier, name))
            return;
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
    std::size_t size = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        size += View(i).size() + 2;
    std::string text(size, '\0');
    char* out = text.data();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string_view line = View(i);
        std::memcpy(out, line.data(), line.size());
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return text;
}
