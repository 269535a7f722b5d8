#pragma once

#include <string>

// The text in double quotes, as a message quotes a name or a value: one of more than 40 bytes is cut short and
// ends in "...", the cut falling at the start of a UTF-8 sequence so that a message in that encoding stays valid.
std::string QuotedForMessage(const std::string& text);
