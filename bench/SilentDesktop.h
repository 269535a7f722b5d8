#pragma once

#include "platform/Desktop.h"

#include <QStringList>

#include <optional>

// Desktop services for the benchmarks' windows: they record every message and never open a window; an existing
// item needs no picture or copy.
class SilentDesktop : public Desktop {
public:
    void ShowMessage(QWidget*, const QString& text) override { messages.append(text); }
    std::optional<QString> PickPicture(QWidget*, const QString&) override { return std::nullopt; }
    FileSystem::CopyProgress ShowCopyProgress(QWidget*, const QString&) override { return nullptr; }
    void TerminateApplication() override { messages.append(QStringLiteral("(the run was ended)")); }

    QStringList messages;
};
