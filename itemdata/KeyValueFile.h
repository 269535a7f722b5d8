#pragma once

#include "itemdata/KeyValueLines.h"

#include <string>
#include <vector>

// The key=value store: the only reader and writer of server data files. It holds the whole file as lines in
// memory and reads and sets values by key (see KeyValueLines); there are no sections, comments or trimming.
// The lines of a server data file of these bytes, as the store holds them. Raises FileError naming fileName for
// UTF-16 text, whose bytes are no lines to the store.
KeyValueLines ServerDataLines(std::string bytes, const std::string& fileName);

class KeyValueFile {
public:
    // Loads the file's lines when the file exists (found whatever its letter case); a missing file gives no lines.
    // Nothing is written until SaveFile. Raises FileError when an existing file cannot be read, or is UTF-16 text,
    // whose bytes are no lines to it.
    explicit KeyValueFile(const std::string& fileName);

    // The store of a file whose lines were read already (ServerDataLines); SaveFile writes them to fileName.
    KeyValueFile(const std::string& fileName, KeyValueLines lines);

    // The value of the first line named name; a missing key reads as the empty text.
    std::string ReadValue(const std::string& name) const { return m_lines.ReadValue(name); }

    // Replaces the first line named name in place by name=value; a missing key is appended.
    void WriteValue(const std::string& name, const std::string& value) { m_lines.WriteValue(name, value); }

    // Replaces the file by the lines, each ended by CR LF, crash-safe: the file then holds either its old or its
    // new content. Raises FileError; an existing file is then untouched.
    void SaveFile() const;

    // The lines as they would be saved, without their line ends.
    std::vector<std::string> Lines() const { return m_lines.Lines(); }

private:
    std::string m_fileName;
    KeyValueLines m_lines;
};
