#pragma once

#include <QString>

#include <optional>

class QWidget;

// The picture-open dialog for a new item's icon, with a preview of the selected picture.
// Returns the picked file, or nothing when the user cancels.
std::optional<QString> RunPictureDialog(QWidget* owner, const QString& startFolder);
