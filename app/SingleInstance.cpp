#include "app/SingleInstance.h"

#include "platform/Application.h"
#include "platform/InstanceGuard.h"

void RunSingleInstance(TApplication& application, const std::function<void()>& startUp,
                       const std::function<void()>& showMainWindow) {
    InstanceGuard guard(QStringLiteral("PREVINST:") + TApplication::Title());
    if (guard.TakeLock()) {
        guard.ListenForShowRequests(showMainWindow);
        startUp();
        return;
    }
    guard.AskFirstInstanceToShow();
    application.Terminate();
}
