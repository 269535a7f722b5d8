#pragma once

#include "platform/Desktop.h"

class EditorApplication;

// The desktop services of a real run, on Qt's message boxes, file dialog and file operations.
class QtDesktop : public Desktop {
public:
    explicit QtDesktop(EditorApplication& application);

    void ShowMessage(QWidget* owner, const QString& text) override;
    std::optional<QString> PickPicture(QWidget* owner, const QString& startFolder) override;
    FileSystem::CopyProgress ShowCopyProgress(QWidget* owner, const QString& fileName) override;
    void TerminateApplication() override;

private:
    EditorApplication& m_application;
};
