#pragma once

#include <QString>

class QWidget;

// Shell file operations by number: 1 move, 2 copy, 3 delete, 4 rename, 5 move to the trash; any other number
// does nothing. Asks no confirmation, creates a missing target folder, and shows a progress window titled after
// the operation when it takes noticeable time. A target ending in the separator, or naming a folder, receives the
// source under its own name. A file copied or moved onto itself is left as it is. Raises FileError on failure.
void ShellFileOperation(QWidget* owner, const QString& source, const QString& target, int operation);

// The progress window's title of an operation ("Copying . . ."), empty for numbers that do nothing.
QString ShellOperationTitle(int operation);
