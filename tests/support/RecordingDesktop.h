#pragma once

#include "platform/Desktop.h"

#include <QStringList>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <vector>

// GoogleTest shows texts in its failure messages as text, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Desktop services for widget tests: records every message and file operation, answers picture requests from a
// script, and never opens a window.
class RecordingDesktop : public Desktop {
public:
    void ShowMessage(QWidget* owner, const QString& text) override {
        messages.append(text);
        messageOwners.append(owner);
        if (onMessage)
            onMessage(text);
    }

    std::optional<QString> PickPicture(QWidget*, const QString& startFolder) override {
        pictureFolders.append(startFolder);
        if (failing)
            throw std::runtime_error("the picture dialog failed");
        if (scriptedPicks.isEmpty())
            return std::nullopt;
        return scriptedPicks.takeFirst();
    }

    FileSystem::CopyProgress ShowCopyProgress(QWidget*, const QString& fileName) override {
        copiedFiles.append(fileName);
        if (failing)
            throw std::runtime_error("the progress window failed");
        return nullptr;
    }

    void TerminateApplication() override { terminated = true; }

    QStringList messages;
    QList<QWidget*> messageOwners;
    std::function<void(const QString&)> onMessage; // runs while the message would be on the screen
    QStringList pictureFolders;
    QStringList scriptedPicks; // the pictures the user picks in turn; then the user cancels
    QStringList copiedFiles;   // the files whose copy got a progress window
    bool failing = false;      // the picture dialog and the progress window raise instead
    bool terminated = false;
};
