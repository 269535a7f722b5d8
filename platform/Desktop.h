#pragma once

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

    // One file operation with a progress window: 1 move, 2 copy, 3 delete, 4 rename, 5 move to the trash;
    // any other number does nothing. Raises FileError when the operation fails.
    virtual void ShellFileOperation(QWidget* owner, const QString& source, const QString& target, int operation) = 0;

    // Ends the run: the message loop stops, or is never entered.
    virtual void TerminateApplication() = 0;
};
