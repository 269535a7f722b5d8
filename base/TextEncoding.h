#pragma once

#include <string>

// How a text file's bytes hold its characters, as far as the editor can keep them when it writes the text back.
enum class TextEncoding {
    CodePage,          // single bytes in the system's code page (or Windows-1252): every byte string is kept
    Utf16LittleEndian, // opened by the byte order mark FF FE
    Utf16BigEndian,    // opened by the byte order mark FE FF
    Unkeepable,        // opened by a UTF-16 byte order mark, but broken: an odd byte or an unpaired surrogate
};

TextEncoding DetectTextEncoding(const std::string& bytes);
