#pragma once

#include "base/FileSystem.h"

#include <QString>

class QWidget;

// The progress window of a file copy, as the desktop's own copy shows it: titled "Copying . . .", naming the
// file, modal to owner, and shown only when the copy takes longer than a moment. The copy reports to the function
// returned; the window closes when the last copy of that function is dropped.
FileSystem::CopyProgress CopyProgressWindow(QWidget* owner, const QString& fileName);
