#include "Application.h"

#include "ErrorHandler.h"

#include <QFileInfo>

#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

QString TApplication::Title() {
    return QFileInfo(applicationFilePath()).completeBaseName().left(260);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        if (m_errorDesktop)
            ShowFailure(*m_errorDesktop, failure);
        return true;
    }
}

void TApplication::Terminate() {
    m_terminated = true;
    quit();
}

QString MessageBoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
