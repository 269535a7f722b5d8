#include "app/SingleInstance.h"

#include "platform/EditorApplication.h"
#include "platform/InstanceGuard.h"

void RunSingleInstance(EditorApplication& application, const std::function<void()>& startUp,
                       const std::function<void()>& showSheet) {
    InstanceGuard guard(QStringLiteral("PREVINST:") + EditorApplication::Title());
    if (guard.TakeLock()) {
        guard.ListenForShowRequests(showSheet);
        startUp();
        return;
    }
    guard.AskFirstInstanceToShow();
    application.Terminate();
}
