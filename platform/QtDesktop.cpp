#include "platform/QtDesktop.h"

#include "platform/CopyProgressWindow.h"
#include "platform/EditorApplication.h"
#include "platform/PictureDialog.h"
#include "platform/PlainMessageBox.h"

QtDesktop::QtDesktop(EditorApplication& application) : m_application(application) {}

void QtDesktop::ShowMessage(QWidget* owner, const QString& text) {
    PlainMessageBox box(owner, EditorApplication::Title(), text);
    box.exec();
}

std::optional<QString> QtDesktop::PickPicture(QWidget* owner, const QString& startFolder) {
    return RunPictureDialog(owner, startFolder);
}

FileSystem::CopyProgress QtDesktop::ShowCopyProgress(QWidget* owner, const QString& fileName) {
    return CopyProgressWindow(owner, fileName);
}

void QtDesktop::TerminateApplication() {
    m_application.Terminate();
}
