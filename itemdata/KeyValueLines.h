#pragma once

#include <cstddef>
#include <string>
#include <vector>

// An ordered list of text lines read and changed by key, the content of a server data file. A line's name is the
// text before its first "=", its value the text after that "="; a line without "=" has no name. Names match
// without regard to letter case and without trimming, the first matching line wins, and every line that is not
// changed stays exactly as it was. A name or value holding a line break becomes several lines once the text is
// read back from a file.
class KeyValueLines {
public:
    explicit KeyValueLines(std::vector<std::string> lines);

    // The value of the first line named name; the empty text when there is none.
    std::string ReadValue(const std::string& name) const;

    // Replaces the first line named name, in place, by name=value spelled as given; when there is none, that line
    // is appended.
    void WriteValue(const std::string& name, const std::string& value);

    // The indices of every line named name, in order; the first is the one ReadValue and WriteValue use.
    std::vector<std::size_t> LinesNamed(const std::string& name) const;

    // The lines in their order, without line ends.
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

    // The index of the first line named name, or kMissing; one pass over the lines.
    std::size_t FindLine(const std::string& name) const;
    std::size_t FindLine(const std::string& name, std::size_t from) const;

    std::vector<std::string> m_lines;
};
