#include "UMainF.h"

#include "CommandLine.h"
#include "Desktop.h"

TForm1::TForm1(Desktop& desktop, const std::vector<std::string>& arguments, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_desktop(desktop) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvane - Brindlework"));
    setFixedSize(632, 426);
    FormCreate(arguments);
}

void TForm1::FormCreate(const std::vector<std::string>& arguments) {
    m_itemName.clear();
    m_iconSourceFolder.clear();
    const auto commandLine = ReadCommandLine(arguments, PathStyle::Native());
    if (!commandLine) {
        m_desktop.ShowMessage(QStringLiteral("Use \"Quorvane\" to run this program!\rBrindlework is started by the "
                                             "Quorvane suite with the project or item to edit."));
        m_desktop.TerminateApplication();
        return;
    }
    m_projectRoot = commandLine->ProjectRoot;
    m_itemName = commandLine->ItemName;
}

void TForm1::BringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
