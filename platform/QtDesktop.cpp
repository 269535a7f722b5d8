#include "platform/QtDesktop.h"

#include "platform/Application.h"
#include "platform/PictureDialog.h"
#include "platform/ShellFileOperation.h"

#include <QMessageBox>

QtDesktop::QtDesktop(TApplication& application) : m_application(application) {}

void QtDesktop::ShowMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, TApplication::Title(), MessageBoxText(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
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
