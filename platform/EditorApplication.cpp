#include "platform/EditorApplication.h"

#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

QString EditorApplication::Title() {
    return QFileInfo(applicationFilePath()).completeBaseName().left(260);
}

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
    // Every handler catches its own failures; one that gets here has left Qt in an unknown state.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        Fail(failure);
    } catch (...) {
        Fail(std::runtime_error("An unknown failure escaped an event handler."));
    }
    return true;
}

void EditorApplication::Fail(const std::exception& failure) {
    if (!m_lastResort) {
        std::fprintf(stderr, "%s\n", failure.what());
        std::abort();
    }
    m_lastResort(failure);
}

void EditorApplication::Terminate() {
    m_terminated = true;
    quit();
}

QString MessageBoxText(const QString& text) {
    // A box wraps its text only at blanks: a long path gets invisible break points after its separators, or
    // anywhere when it has none, so that the box never grows wider than the screen.
    constexpr int kRunBreakableAtSeparator = 20;
    constexpr int kLongestRun = 40;
    const QString lines = MessageCopyText(text);
    QString shown;
    shown.reserve(lines.size() + lines.size() / kLongestRun);
    int run = 0;
    for (const QChar c : lines) {
        shown.append(c);
        run = c.isSpace() ? 0 : run + 1;
        const bool separator = c == QLatin1Char('/') || c == QLatin1Char('\\');
        if (((separator && run >= kRunBreakableAtSeparator) || run >= kLongestRun) && !c.isHighSurrogate()) {
            shown.append(kMessageBreakPoint);
            run = 0;
        }
    }
    return shown;
}

QString MessageCopyText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}
