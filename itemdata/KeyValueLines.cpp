#include "itemdata/KeyValueLines.h"

#include "base/TextCase.h"
#include "itemdata/LineScan.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

// Eight bytes of a name with "a" to "z" made "A" to "Z" at once; other bytes, those of 128 and up among them,
// stay as they are.
std::uint64_t UpperCaseWord(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    const std::uint64_t low7 = word & ~kHighBits;
    const std::uint64_t fromA = low7 + (0x80 - 'a') * kOnes;     // high bit set where the byte is "a" or later
    const std::uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kOnes; // high bit set where the byte is past "z"
    const std::uint64_t lowerCase = fromA & ~pastZ & ~word & kHighBits;
    return word - (lowerCase >> 2); // 0x80 >> 2 is the 0x20 between the cases
}

// Fewer than eight bytes of a name as one word, the first byte lowest.
std::uint64_t Word(const char* bytes, std::size_t count) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < count; ++i)
        word |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return word;
}

std::uint64_t HashRound(std::uint64_t hash, std::uint64_t word) {
    hash = (hash ^ UpperCaseWord(word)) * 0xFF51AFD7ED558CCDull;
    return hash ^ (hash >> 29);
}

// The name of length bytes at start in text, folded to one letter case and hashed eight bytes at a time; names
// that match ignoring case hash alike. Every line of a large file passes through here: a word is read whole
// wherever the text goes on past it, and its bytes beyond the name masked off (the first byte is the lowest, as on
// every little-endian machine the editor is built for).
std::uint64_t NameHash(std::string_view text, std::size_t start, std::size_t length) {
    std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ length;
    for (std::size_t at = 0; at < length; at += 8) {
        const std::size_t count = std::min<std::size_t>(8, length - at);
        std::uint64_t word;
        if (start + at + 8 <= text.size()) {
            std::memcpy(&word, text.data() + start + at, 8);
            if (count < 8)
                word &= (std::uint64_t{1} << (8 * count)) - 1;
        } else {
            word = Word(text.data() + start + at, count);
        }
        hash = HashRound(hash, word);
    }
    // The high half is folded into the low one, which picks the slot.
    return hash ^ (hash >> 32);
}

std::uint64_t NameHash(std::string_view name) {
    return NameHash(name, 0, name.size());
}

std::uint32_t Tag(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash >> 32);
}

void PrefetchForWriting(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address, 1);
#else
    (void)address;
#endif
}

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

KeyValueLines::KeyValueLines(std::string text) : m_text(std::move(text)) {
    if (m_text.size() >= kWrittenLine)
        throw std::length_error("the text is 4 GiB or larger");
    // Room for lines of some thirty bytes and an index for names of lines twice as long, the common lengths; the
    // index grows when there are more.
    m_lines.reserve(m_text.size() / 32 + 1);
    SizeIndex(m_text.size() / 64 + 1);
    // Each name is hashed while its line's bytes are at hand, its slot is asked into the cache, and it is entered
    // some lines later, once the slot is there: a large file's index is far larger than the cache, and waiting
    // for each slot in turn took most of the store's time.
    constexpr std::size_t kAhead = 16;
    NamedLine pending[kAhead];
    std::size_t named = 0;
    const auto enter = [this](const NamedLine& line) {
        Index(line.line, View(line.line).substr(0, line.nameLength), line.hash);
    };
    const std::string_view bytes(m_text);
    ScanLines(bytes, [&](const ScannedLine& line) {
        if (line.nameEnd != ScannedLine::kNoName) {
            NamedLine& slot = pending[named++ % kAhead];
            if (named > kAhead)
                enter(slot);
            const std::size_t nameLength = line.nameEnd - line.start;
            slot = {m_lines.size(), nameLength, NameHash(bytes, line.start, nameLength)};
            PrefetchForWriting(&m_firstLines[slot.hash & (m_firstLines.size() - 1)]);
        }
        m_lines.emplace_back(line.start, line.end);
    });
    for (std::size_t i = named > kAhead ? named - kAhead : 0; i < named; ++i)
        enter(pending[i % kAhead]);
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
    // A replaced line keeps its name, and with it its place in the index; an appended one may bring a new name.
    if (index != kMissing) {
        m_lines[index] = Place(kWrittenLine, m_written.size() - 1);
        return;
    }
    m_lines.emplace_back(kWrittenLine, m_written.size() - 1);
    Index(m_lines.size() - 1);
}

std::size_t KeyValueLines::FirstLineNamed(const std::string& name) const {
    // A name holding "=" never matches: every line's name ends before its first "=".
    if (name.find('=') != std::string::npos)
        return kMissing;
    const std::uint64_t hash = NameHash(name);
    const std::size_t mask = m_firstLines.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot entry = m_firstLines[slot];
        if (entry.line == 0)
            return kMissing;
        if (entry.tag == Tag(hash) && IsNamed(View(entry.line - 1), name))
            return entry.line - 1;
    }
}

void KeyValueLines::SizeIndex(std::size_t names) {
    // At most half the slots are taken, so that a look-up meets an empty slot soon.
    std::size_t slots = 16;
    while (slots < 2 * (names + 1))
        slots *= 2;
    m_firstLines.assign(slots, Slot{0, 0});
    m_indexedNames = 0;
}

void KeyValueLines::RebuildIndex() {
    SizeIndex(2 * m_lines.size());
    std::string_view name;
    for (std::size_t line = 0; line < m_lines.size(); ++line) {
        if (NameOf(View(line), name))
            Enter(line, name, NameHash(name));
    }
}

void KeyValueLines::Index(std::size_t line) {
    std::string_view name;
    if (NameOf(View(line), name))
        Index(line, name, NameHash(name));
}

void KeyValueLines::Index(std::size_t line, std::string_view name, std::uint64_t hash) {
    // At most half the slots are taken, so that a look-up meets an empty slot soon. A rebuilt index holds the
    // line already, and entering it again changes nothing.
    if (2 * (m_indexedNames + 1) > m_firstLines.size())
        RebuildIndex();
    Enter(line, name, hash);
}

void KeyValueLines::Enter(std::size_t line, std::string_view name, std::uint64_t hash) {
    const std::size_t mask = m_firstLines.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot entry = m_firstLines[slot];
        if (entry.line == 0) {
            m_firstLines[slot] = Slot{static_cast<std::uint32_t>(line + 1), Tag(hash)};
            ++m_indexedNames;
            return;
        }
        std::string_view earlier;
        if (entry.tag == Tag(hash) && NameOf(View(entry.line - 1), earlier) && SameNameIgnoringCase(earlier, name))
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
