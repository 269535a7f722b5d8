#pragma once

class TApplication;
class Desktop;

// Creates the item editor window and the bonus dialog, then runs the message loop until the editor closes.
void RunEditor(TApplication& application, Desktop& desktop);
