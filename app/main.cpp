#include "app/StartUp.h"
#include "base/CommandLine.h"
#include "platform/EditorApplication.h"
#include "platform/ErrorHandler.h"
#include "platform/QtDesktop.h"

#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Every argument after the program's name is part of the path the suite passes, split at its blanks: Qt sees
    // none of them, or it would take words such as "-reverse" for its own options.
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    int programNameOnly = 1;
    EditorApplication application(programNameOnly, argv);
    QtDesktop desktop(application);
    // A failure that escaped every handler is a fault of the program: it is shown, and the program ends without
    // letting Qt go on in an unknown state.
    application.SetLastResort([&desktop](const std::exception& failure) {
        ShowFailure(desktop, nullptr, failure);
        std::_Exit(EXIT_FAILURE);
    });
    RunEditor(application, desktop, arguments);
    return 0;
}
