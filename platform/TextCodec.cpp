#include "platform/TextCodec.h"

#include "base/Os.h"
#include "base/TextEncoding.h"
#include "base/Utf8Text.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace TextCodec {
namespace {

QString FromWindows1252(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(Windows1252Character(static_cast<unsigned char>(byte))));
    return text;
}

char ToWindows1252(QChar character) {
    const char16_t code = character.unicode();
    for (unsigned byte = 0x80; byte < 0xA0; ++byte) {
        if (Windows1252Character(static_cast<unsigned char>(byte)) == code)
            return static_cast<char>(byte);
    }
    return (code < 0x80 || (code >= 0xA0 && code < 0x100)) ? static_cast<char>(code) : '?';
}

std::string ToWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text)
        bytes.push_back(ToWindows1252(character));
    return bytes;
}

QStringConverter::Encoding ConverterFor(Encoding encoding) {
    return encoding == Encoding::Utf16LittleEndian ? QStringConverter::Utf16LE
           : encoding == Encoding::Utf16BigEndian  ? QStringConverter::Utf16BE
                                                   : QStringConverter::System;
}

// The text that bytes written in the encoding give back, byte order mark included.
QString DecodeIn(const std::string& bytes, Encoding encoding) {
    if (encoding == Encoding::Windows1252)
        return FromWindows1252(bytes);
    QStringDecoder decoder(ConverterFor(encoding),
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool HoldsPiece(Encoding encoding, const QString& text) {
    return DecodeIn(Encode(text, encoding), encoding) == text;
}

// Tried piece by piece, so that a long description costs a piece's copies rather than three of the whole text.
bool Holds(Encoding encoding, const QString& text) {
    constexpr qsizetype kPiece = 64 * 1024;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype end = std::min(text.size(), from + kPiece);
        if (end < text.size() && text[end].isLowSurrogate())
            --end;
        if (!HoldsPiece(encoding, text.mid(from, end - from)))
            return false;
        from = end;
    }
    return true;
}

} // namespace

QString FromSystem(const std::string& bytes) {
    return Decode(bytes).text;
}

std::string ToSystem(const QString& text) {
    return Encode(text, Encoding::System);
}

QString FromName(const std::string& name) {
    return QString::fromStdString(Os::WholeUtf8Name(name));
}

std::string ToName(const QString& text) {
    return text.toStdString();
}

DecodedText Decode(const std::string& bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const TextEncoding detected = DetectTextEncoding(bytes);
    if (detected == TextEncoding::Utf16LittleEndian || detected == TextEncoding::Utf16BigEndian) {
        const bool little = detected == TextEncoding::Utf16LittleEndian;
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::ConvertInitialBom);
        return {decoder.decode(view), little ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian};
    }
    // Stateless: a sequence cut short at the end is an error, not the start of more text that never comes.
    QStringDecoder decoder(QStringConverter::System,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(view);
    if (!decoder.hasError())
        return {text, Encoding::System};
    return {FromWindows1252(bytes), Encoding::Windows1252};
}

std::string Encode(const QString& text, Encoding encoding) {
    if (encoding == Encoding::Windows1252)
        return ToWindows1252(text);
    QStringEncoder encoder(ConverterFor(encoding));
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString CharactersNotHeld(const QString& text, Encoding encoding) {
    if (Holds(encoding, text))
        return QString();
    QString notHeld;
    QSet<QString> tried;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        if (!tried.contains(character) && !Holds(encoding, character))
            notHeld += character;
        tried.insert(character);
    }
    return notHeld;
}

} // namespace TextCodec
