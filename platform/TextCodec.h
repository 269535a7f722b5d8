#pragma once

#include <QString>

#include <string>

// Conversion between the bytes in the project's files (single-byte text in the system's code page) and the
// text the widgets show. On Windows the system's code page is its ANSI code page; elsewhere the locale's encoding.
namespace TextCodec {

enum class Encoding { System, Windows1252 };

QString FromSystem(const std::string& bytes);
std::string ToSystem(const QString& text);

// Text read from a file and the encoding it was read in: the system's when the bytes are valid in it, otherwise
// Windows-1252, so that a file written on a Windows desktop still reads right.
struct DecodedText {
    QString text;
    Encoding encoding = Encoding::System;
};

DecodedText Decode(const std::string& bytes);
std::string Encode(const QString& text, Encoding encoding);

} // namespace TextCodec
