#include "app/SingleInstance.h"

#include "platform/EditorApplication.h"
#include "platform/InstanceGuard.h"

void RunSingleInstance(EditorApplication& application, const std::function<void()>& startUp,
                       const std::function<void()>& showMainWindow) {
    InstanceGuard guard(QStringLiteral("PREVINST:") + EditorApplication::Title());
    if (guard.TakeLock()) {
        guard.ListenForShowRequests(showMainWindow);
        startUp();
        return;
    }
    guard.AskFirstInstanceToShow();
    application.Terminate();
}
