#pragma once

#include "itemdata/ItemFiles.h"
#include "platform/Desktop.h"
#include "platform/TextCodec.h"

// Copies a new item's icon into the project with the desktop's file operation and its progress window.
class DesktopIconCopier : public IconCopier {
public:
    DesktopIconCopier(Desktop& desktop, QWidget* owner) : m_desktop(desktop), m_owner(owner) {}

    void CopyIcon(const std::string& source, const std::string& target) override {
        m_desktop.ShellFileOperation(m_owner, TextCodec::FromSystem(source), TextCodec::FromSystem(target),
                                     ShellOperation::Copy);
    }

private:
    Desktop& m_desktop;
    QWidget* m_owner;
};
