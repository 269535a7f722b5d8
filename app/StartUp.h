#pragma once

#include <string>
#include <vector>

class TApplication;
class Desktop;

// Creates the item editor window for the command line's arguments (without the program's own name) and the bonus
// dialog, then runs the message loop until the editor closes.
void RunEditor(TApplication& application, Desktop& desktop, const std::vector<std::string>& arguments);
