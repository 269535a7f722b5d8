#include "platform/CopyProgressWindow.h"

#include <QProgressDialog>

#include <memory>

namespace {

constexpr int kShownAfterMilliseconds = 500;
constexpr int kSteps = 100;

} // namespace

FileSystem::CopyProgress CopyProgressWindow(QWidget* owner, const QString& fileName) {
    auto window = std::make_shared<QProgressDialog>(fileName, QString(), 0, kSteps, owner);
    window->setWindowTitle(QStringLiteral("Copying . . ."));
    window->setWindowModality(Qt::WindowModal);
    window->setMinimumDuration(kShownAfterMilliseconds);
    return [window](std::uint64_t copied, std::uint64_t total) {
        window->setValue(total == 0 ? kSteps : static_cast<int>(copied * kSteps / total));
    };
}
