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
    // them until it is written, so a file of many lines costs no copy of each. The first line of each of the noted
    // names (which hold no "=") is found in the same pass, so that reading and writing them takes no other look at
    // the lines; any other name is looked for line by line.
    explicit KeyValueLines(std::string text, std::vector<std::string> notedNames = {});

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

    // A name the owner asks for often, and the index of its first line (kMissing while there is none).
    struct NotedName {
        std::string name;
        std::size_t firstLine;
    };

    std::string_view View(std::size_t index) const;
    // True when the line read ended in CR LF.
    bool EndsInCrLf(std::size_t line) const;
    // The index of the first line named name, or kMissing.
    std::size_t FirstLineNamed(const std::string& name) const;
    // The index of the first line named name at or after from, or kMissing; one pass over the lines.
    std::size_t FindLine(const std::string& name, std::size_t from) const;
    // Notes line as the first of its name when that is a noted name without a line yet.
    void NoteLine(std::size_t line, std::string_view name);

    std::string m_text;
    std::vector<Place> m_lines;
    std::vector<std::string> m_written;
    std::vector<NotedName> m_noted;
    // Bit n set where a noted name is n bytes long (n under 64), so that most lines are passed at one look.
    std::uint64_t m_notedLengths = 0;
};
