#pragma once

#include <QString>

#include <string>

// Conversion between the bytes in the project's files (single-byte text in the system's code page) and the
// text the widgets show. On Windows the system's code page is its ANSI code page; elsewhere the locale's encoding.
namespace TextCodec {

enum class Encoding { System, Windows1252, Utf16LittleEndian, Utf16BigEndian };

QString FromSystem(const std::string& bytes);
std::string ToSystem(const QString& text);

// Names, paths and the messages that quote them, which the item data holds as names are held: UTF-8 on Windows,
// elsewhere the system's bytes.
QString FromName(const std::string& name);
std::string ToName(const QString& text);

// Text read from a file and the encoding it was read in: UTF-16 when its byte order mark opens it; else the
// system's when the bytes are valid in it, otherwise Windows-1252, so that a file written on a Windows desktop
// still reads right. A byte order mark stays in the text as its first character, so that a save writes it back.
struct DecodedText {
    QString text;
    Encoding encoding = Encoding::System;
};

DecodedText Decode(const std::string& bytes);
std::string Encode(const QString& text, Encoding encoding);

// The characters of text that the encoding cannot hold (written in it, each would become another, such as "?"),
// each once, in the order they first appear; empty when it holds them all.
QString CharactersNotHeld(const QString& text, Encoding encoding);

} // namespace TextCodec
