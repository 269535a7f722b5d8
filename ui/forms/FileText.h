#pragma once

#include "platform/TextCodec.h"

#include <QLineEdit>
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

    // Shows the text in the field. A field holds at most 32767 characters: while it shows the start of a longer
    // text, that start stands for the whole text read.
    void ShowIn(QLineEdit& field) {
        field.setText(shown);
        shown = field.text();
    }
};
