#include "app/StartUp.h"
#include "platform/Application.h"
#include "platform/QtDesktop.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    QtDesktop desktop(application);
    application.SetErrorDesktop(&desktop);
    // The arguments left once Qt took its own, as the bytes they are: a file name that the locale's encoding
    // cannot decode still names that very file.
    RunEditor(application, desktop, std::vector<std::string>(argv + 1, argv + argc));
    return 0;
}
