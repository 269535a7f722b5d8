#pragma once

#include <string>

// The text in double quotes, as a message quotes a name or a value: one of more than 40 bytes is cut short and
// ends in "...", the cut falling at the start of a UTF-8 sequence so that a message in that encoding stays valid.
std::string QuotedForMessage(const std::string& text);

// The text with every control character written as \xNN, so that none read from a file reaches a terminal raw.
std::string Printable(const std::string& text);

// A name or a text in double quotes for a message: printable, and cut short after 40 bytes ("...").
std::string Quoted(const std::string& text);

// A value read from a file, which holds it in the system's code page, quoted as Quoted does, in UTF-8 like the rest
// of a message.
std::string QuotedFileText(const std::string& systemText);
