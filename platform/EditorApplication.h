#pragma once

#include <QApplication>

#include <exception>
#include <functional>

// The running application: owns the message loop and knows whether the run was ended before its loop started.
class EditorApplication : public QApplication {
    Q_OBJECT

public:
    using LastResort = std::function<void(const std::exception& failure)>;

    EditorApplication(int& argc, char** argv);

    // The program file's name without its extension, at most 260 characters.
    static QString Title();

    // What happens to a failure that escaped every event handler's own error handling: a fault of the program,
    // which the last resort reports before it ends the program. Without one, the failure is written to the
    // error output and the program aborts.
    void SetLastResort(LastResort lastResort) { m_lastResort = std::move(lastResort); }

    bool notify(QObject* receiver, QEvent* event) override;

    void Terminate();
    bool Terminated() const { return m_terminated; }

private:
    void Fail(const std::exception& failure);

    LastResort m_lastResort;
    bool m_terminated = false;
};

// A message's text as a box shows it: a lone carriage return becomes a line break, and a long run without blanks,
// such as a path, may break at its separators, where it gets an invisible break point.
QString MessageBoxText(const QString& text);
inline constexpr QChar kMessageBreakPoint(u'\u200B');

// A message's text as the user copies it from a box: its line breaks as shown, and nothing the user cannot see.
QString MessageCopyText(const QString& text);
