#include "Application.h"
#include "ErrorHandler.h"
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
public:
    explicit FailingControl(Desktop& desktop) : m_desktop(desktop) {}

protected:
    void mousePressEvent(QMouseEvent*) override {
        RunEventHandler(m_desktop, [] { throw FileError("save", "/games/quest/SERVER/Sword.ITM", "gone"); });
    }

private:
    Desktop& m_desktop;
};

} // namespace

TEST(GeneralErrorHandler, ShowsWhatAHandlerRaisedAndKeepsTheWindowOpen) {
    RecordingDesktop desktop;
    FailingControl control(desktop);
    control.show();
    QTest::mouseClick(&control, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.front(), QStringLiteral("Could not save \"/games/quest/SERVER/Sword.ITM\": gone."));
    EXPECT_TRUE(control.isVisible());
}
