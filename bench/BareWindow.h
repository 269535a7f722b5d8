#pragma once

#include <QWidget>

#include <memory>

// The start-up baseline's window: a frameless white window of the item sheet's size (632 x 426) with one black
// line of text, the label "nameLabel", in the sheet's name box, which is what the stopwatch waits for.
std::unique_ptr<QWidget> MakeBareWindow(const QString& text);
