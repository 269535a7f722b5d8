#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8 as bytes: where it breaks, and Windows-1252, the one code page read here without the system's help.

// The offset of the first byte that begins no whole UTF-8 sequence (a stray continuation byte, a sequence cut
// short or written too long, a surrogate, a code point beyond U+10FFFF); none when all of text is UTF-8.
std::optional<std::size_t> FirstNonUtf8Byte(std::string_view text);

// One character of UTF-8 text: its code point and how many bytes spell it.
struct Utf8Character {
    char32_t code;
    std::size_t length;
};

// The character whose whole UTF-8 sequence starts at text[at]; none where no whole sequence starts there.
std::optional<Utf8Character> Utf8CharacterAt(std::string_view text, std::size_t at);

// Appends the character's UTF-8 sequence.
void AppendUtf8(std::string& text, char32_t code);

// The character a Windows-1252 byte stands for.
char16_t Windows1252Character(unsigned char byte);

// Windows-1252 text as UTF-8. The five bytes the code page leaves unassigned keep their control codes, as the
// editor reads them.
std::string Utf8FromWindows1252(std::string_view text);
