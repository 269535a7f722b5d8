#pragma once

#include <functional>

class EditorApplication;

// Runs startUp only in the first running instance. A later start asks the first instance to restore and bring
// its window to the front, creates no window of its own and returns. A lock that cannot be made where only this
// user may write tells nothing of another instance: startUp runs then too, without the guard.
void RunSingleInstance(EditorApplication& application, const std::function<void()>& startUp,
                       const std::function<void()>& showSheet);
