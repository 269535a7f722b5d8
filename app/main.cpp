#include "app/StartUp.h"
#include "platform/Application.h"
#include "platform/ErrorHandler.h"
#include "platform/QtDesktop.h"

#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    QtDesktop desktop(application);
    // A failure that escaped every handler is a fault of the program: it is shown, and the program ends without
    // letting Qt go on in an unknown state.
    application.SetLastResort([&desktop](const std::exception& failure) {
        ShowFailure(desktop, nullptr, failure);
        std::_Exit(EXIT_FAILURE);
    });
    // The arguments left once Qt took its own, as the bytes they are: a file name that the locale's encoding
    // cannot decode still names that very file.
    RunEditor(application, desktop, std::vector<std::string>(argv + 1, argv + argc));
    return 0;
}
