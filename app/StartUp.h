#pragma once

#include <string>
#include <vector>

class EditorApplication;
class Desktop;

// Creates the item editor window for the command line's arguments (without the program's own name) and the bonus
// dialog, then runs the message loop until the editor closes.
void RunEditor(EditorApplication& application, Desktop& desktop, const std::vector<std::string>& arguments);
