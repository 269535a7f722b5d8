#include "Application.h"
#include "QtDesktop.h"
#include "StartUp.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    QtDesktop desktop(application);
    application.SetErrorDesktop(&desktop);
    RunEditor(application, desktop);
    return 0;
}
