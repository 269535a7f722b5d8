#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of text lines read and changed by key, the content of a server data file. A line's name is the
// text before its first "=", its value the text after that "="; a line without "=" has no name. Names match
// without regard to letter case and without trimming, the first matching line wins, and every line that is not
// changed stays exactly as it was. A name or value holding a line break becomes several lines once the text is
// read back from a file.
class KeyValueLines {
public:
    // The lines of a file's bytes, under 4 GiB (larger text raises std::length_error): CR LF, a lone CR and a lone LF
    // each end a line, and a final line end adds no empty line. The bytes are kept as they are: a line is a place in
    // them until it is written, so a file of many lines costs no copy of each.
    explicit KeyValueLines(std::string text);

    // The value of the first line named name; the empty text when there is none.
    std::string ReadValue(const std::string& name) const;

    // Replaces the first line named name, in place, by name=value spelled as given; when there is none, that line
    // is appended.
    void WriteValue(const std::string& name, const std::string& value);

    // The indices of every line named name, in order; the first is the one ReadValue and WriteValue use.
    std::vector<std::size_t> LinesNamed(const std::string& name) const;

    std::size_t LineCount() const { return m_lines.size(); }
    std::string Line(std::size_t index) const { return std::string(View(index)); }
    // The lines in their order, without line ends.
    std::vector<std::string> Lines() const;
    // The bytes a save writes: every line followed by CR LF.
    std::string Text() const;
    // Hands those bytes to write in order, in as few pieces as the lines allow: a run of unchanged lines that
    // already end in CR LF is one piece of the text read.
    void WriteText(const std::function<void(const char* bytes, std::size_t size)>& write) const;

private:
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

    static constexpr std::uint32_t kWrittenLine = static_cast<std::uint32_t>(-1);

    // A line is the span [start, end) of the text read or, once written or appended, the written line of index
    // end, marked by a start of kWrittenLine. Eight bytes a line: a large file's places are written and read
    // once each per load and save.
    struct Place {
        Place(std::size_t startAt, std::size_t endAt)
            : start(static_cast<std::uint32_t>(startAt)), end(static_cast<std::uint32_t>(endAt)) {}
        bool Written() const { return start == kWrittenLine; }
        std::uint32_t start;
        std::uint32_t end;
    };

    // A place in the index of first names: the line's index plus one (0 for an empty slot), and the high half of
    // its name's hash, which settles most mismatches without a look at the line.
    struct Slot {
        std::uint32_t line;
        std::uint32_t tag;
    };

    std::string_view View(std::size_t index) const;
    // True when the line read ended in CR LF.
    bool EndsInCrLf(std::size_t line) const;
    // The index of the first line named name, or kMissing: a look in the index of names.
    std::size_t FirstLineNamed(const std::string& name) const;
    // The index of the first line named name at or after from, or kMissing; one pass over the lines.
    std::size_t FindLine(const std::string& name, std::size_t from) const;
    // A line with a name, found while the text is split, on its way into the index.
    struct NamedLine {
        std::size_t line;
        std::size_t nameLength;
        std::uint64_t hash;
    };
    // Makes the index empty, with room for names.
    void SizeIndex(std::size_t names);
    void RebuildIndex();
    // Enters a line into the index, unless an earlier line has its name; the index grows when it is half full.
    void Index(std::size_t line);
    void Index(std::size_t line, std::string_view name, std::uint64_t hash);
    void Enter(std::size_t line, std::string_view name, std::uint64_t hash);

    std::string m_text;
    std::vector<Place> m_lines;
    std::vector<std::string> m_written;
    // The first line of each name, by the name's hash, built in the pass that splits the text.
    std::vector<Slot> m_firstLines;
    std::size_t m_indexedNames = 0;
};
