#include "platform/QtDesktop.h"

#include "platform/EditorApplication.h"
#include "platform/PictureDialog.h"
#include "platform/PlainMessageBox.h"
#include "platform/ShellFileOperation.h"

QtDesktop::QtDesktop(EditorApplication& application) : m_application(application) {}

void QtDesktop::ShowMessage(QWidget* owner, const QString& text) {
    PlainMessageBox box(owner, EditorApplication::Title(), text);
    box.exec();
}

std::optional<QString> QtDesktop::PickPicture(QWidget* owner, const QString& startFolder) {
    return RunPictureDialog(owner, startFolder);
}

void QtDesktop::ShellFileOperation(QWidget* owner, const QString& source, const QString& target, int operation) {
    ::ShellFileOperation(owner, source, target, operation);
}

void QtDesktop::TerminateApplication() {
    m_application.Terminate();
}
