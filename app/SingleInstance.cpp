#include "app/SingleInstance.h"

#include "platform/EditorApplication.h"
#include "platform/InstanceGuard.h"

void RunSingleInstance(EditorApplication& application, const std::function<void()>& startUp,
                       const std::function<void()>& showSheet) {
    InstanceGuard guard(QStringLiteral("PREVINST:") + EditorApplication::Title());
    switch (guard.TakeLock()) {
    case InstanceLock::Outcome::Taken:
        QObject::connect(&guard, &InstanceGuard::showRequested, &guard, showSheet);
        guard.ListenForShowRequests();
        startUp();
        return;
    case InstanceLock::Outcome::Unavailable:
        // No lock can be made where this user may write: that is no other instance, and the user asked to edit.
        startUp();
        return;
    case InstanceLock::Outcome::HeldByAnother:
        guard.AskFirstInstanceToShow();
        application.Terminate();
        return;
    }
}
