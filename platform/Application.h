#pragma once

#include <QApplication>

class Desktop;

// The running application: owns the message loop, holds the general error handler and knows whether the run
// was ended before its loop started.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    // The program file's name without its extension, at most 260 characters.
    static QString Title();

    // Where the general error handler shows what an event handler raised; not owned.
    void SetErrorDesktop(Desktop* desktop) { m_errorDesktop = desktop; }

    // The last resort of the general error handler, for a failure that escaped RunEventHandler: it is shown in a
    // message box and the application goes on.
    bool notify(QObject* receiver, QEvent* event) override;

    void Terminate();
    bool Terminated() const { return m_terminated; }

private:
    Desktop* m_errorDesktop = nullptr;
    bool m_terminated = false;
};

// A message's text as a box shows it: a lone carriage return becomes a line break, and a long run without blanks,
// such as a path, may break at its separators.
QString MessageBoxText(const QString& text);
