#pragma once

#include "base/FileSystem.h"

#include <QString>

#include <optional>

class QWidget;

// What the editor asks of the desktop. The windows receive one in their constructors, so that a test can pass a
// recorder instead and never block on a modal box.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box over owner, captioned with the application title, with one OK button; a lone carriage return
    // starts a line.
    virtual void ShowMessage(QWidget* owner, const QString& text) = 0;

    // The picture-open dialog for a new item's icon, starting in startFolder: the picked file, or nothing.
    virtual std::optional<QString> PickPicture(QWidget* owner, const QString& startFolder) = 0;

    // The progress window of copying the file named fileName, as CopyProgressWindow makes it.
    virtual FileSystem::CopyProgress ShowCopyProgress(QWidget* owner, const QString& fileName) = 0;

    // Ends the run: the message loop stops, or is never entered.
    virtual void TerminateApplication() = 0;
};
