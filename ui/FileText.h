#pragma once

#include "TextCodec.h"

#include <QString>

#include <string>

// A field's text as read from a file: while the field still shows it, it is written back with the very bytes it
// was read from, whatever their encoding.
struct FileText {
    std::string bytes;
    QString shown;

    static FileText FromBytes(const std::string& bytes) { return {bytes, TextCodec::FromSystem(bytes)}; }

    std::string BytesFor(const QString& current) const {
        return current == shown ? bytes : TextCodec::ToSystem(current);
    }
};
