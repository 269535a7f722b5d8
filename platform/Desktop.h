#pragma once

#include <QString>

#include <optional>

class QWidget;

// The shell's file operations by number.
namespace ShellOperation {
constexpr int Move = 1;
constexpr int Copy = 2;
constexpr int Delete = 3;
constexpr int Rename = 4;
constexpr int Recycle = 5; // delete into the trash, where the user can restore it
} // namespace ShellOperation

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

    // One file operation (a ShellOperation number) with a progress window; any other number does nothing.
    // Raises FileError when the operation fails.
    virtual void ShellFileOperation(QWidget* owner, const QString& source, const QString& target, int operation) = 0;

    // Ends the run: the message loop stops, or is never entered.
    virtual void TerminateApplication() = 0;
};
