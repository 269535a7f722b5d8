#include "Application.h"
#include "FileError.h"
#include "RecordingDesktop.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

TEST(MessageBoxText, ALoneCarriageReturnBreaksTheLine) {
    EXPECT_EQ(MessageBoxText(QStringLiteral("WARNING!\rThe file\r\nnext")), QStringLiteral("WARNING!\nThe file\nnext"));
    EXPECT_EQ(MessageBoxText(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(ApplicationTitle, IsTheProgramNameWithoutItsExtension) {
    EXPECT_EQ(TApplication::Title(), QStringLiteral("platform_tests"));
}

namespace {

// A control whose click handler fails the way a save into a missing folder does.
class FailingControl : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw FileError("save", "/games/quest/SERVER/Sword.ITM", "gone"); }
};

} // namespace

TEST(GeneralErrorHandler, ShowsWhatAHandlerRaisedAndKeepsTheWindowOpen) {
    RecordingDesktop desktop;
    auto* application = static_cast<TApplication*>(QCoreApplication::instance());
    application->SetErrorDesktop(&desktop);
    FailingControl control;
    control.show();
    QTest::mouseClick(&control, Qt::LeftButton);
    application->SetErrorDesktop(nullptr);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.front(), QStringLiteral("Could not save \"/games/quest/SERVER/Sword.ITM\": gone."));
    EXPECT_TRUE(control.isVisible());
}
