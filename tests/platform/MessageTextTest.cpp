#include "base/FileError.h"
#include "platform/Application.h"
#include "platform/ErrorHandler.h"
#include "platform/PictureDialog.h"
#include "platform/QtDesktop.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/TempFolder.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

TEST(MessageBoxText, ALoneCarriageReturnBreaksTheLine) {
    EXPECT_EQ(MessageBoxText(QStringLiteral("WARNING!\rThe file\r\nnext")), QStringLiteral("WARNING!\nThe file\nnext"));
    EXPECT_EQ(MessageBoxText(QStringLiteral("plain")), QStringLiteral("plain"));
}

namespace {

// Runs act on the modal window that opens next, as soon as the event loop runs it.
void OnNextModalWindow(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            act(*dialog);
    });
}

} // namespace

TEST(MessageBox, NeverGrowsWiderThanTheScreen) {
    QtDesktop desktop(*static_cast<TApplication*>(QCoreApplication::instance()));
    const QString deepPath =
        QStringLiteral("/games/") + QStringLiteral("Quest/").repeated(60) + QStringLiteral("X.ITM");
    const QString longName = QStringLiteral("/games/Quest/SERVER/") + QString(251, QLatin1Char('L'));
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (const QString& path : {deepPath, longName}) {
        int shownWidth = 0;
        OnNextModalWindow([&](QDialog& box) {
            shownWidth = box.frameGeometry().width();
            box.done(0);
        });
        desktop.ShowMessage(nullptr,
                            QStringLiteral("Could not save \"") + path + QStringLiteral("\": Permission denied."));
        EXPECT_GT(shownWidth, 0);
        EXPECT_LE(shownWidth, screenWidth);
    }
}

TEST(PictureDialog, KeepsNoSettings) {
    const QFileInfo qtSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                               QStringLiteral("/QtProject.conf"));
    const QDateTime before = qtSettings.exists() ? qtSettings.lastModified() : QDateTime();
    const TempFolder pictures;
    pictures.Write("Gem.bmp", "BM");
    OnNextModalWindow([](QDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(RunPictureDialog(nullptr, QString::fromStdString(pictures.Root())));
    QFileInfo after(qtSettings.filePath());
    EXPECT_EQ(after.exists() ? after.lastModified() : QDateTime(), before) << "the dialog wrote its history";
}

TEST(PictureDialog, ShowsFoldersAndBitmapsPreviewsThemAndPicksOne) {
    const TempFolder project;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    project.MakeFolder("RESOURCES/Old");
    ASSERT_TRUE(picture.save(QString::fromStdString(project.Path("RESOURCES/Gem.bmp")), "BMP"));
    ASSERT_TRUE(picture.save(QString::fromStdString(project.Path("RESOURCES/Old/AXE.BMP")), "BMP"));
    project.Write("RESOURCES/Notes.txt", "not a picture");
    PictureDialog dialog(nullptr, QString::fromStdString(project.Path("RESOURCES")));
    auto* entries = dialog.findChild<QListWidget*>();
    ASSERT_NE(entries, nullptr);
    QStringList shown;
    for (int row = 0; row < entries->count(); ++row)
        shown << entries->item(row)->text();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Old"), QStringLiteral("Gem.bmp")}))
        << "folders first, then the bitmaps; nothing else";

    entries->setCurrentRow(1);
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) { return !label->pixmap().isNull(); }))
        << "the selected picture is previewed";

    entries->setCurrentRow(0);
    QTest::keyClick(entries, Qt::Key_Return);
    EXPECT_EQ(QDir(dialog.Folder()), QDir(QString::fromStdString(project.Path("RESOURCES/Old"))));
    auto* fileName = dialog.findChildren<QLineEdit*>().back();
    QTest::keyClicks(fileName, QStringLiteral("axe.bmp"));
    QTest::keyClick(fileName, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(dialog.PickedFile()).isFile());
}

TEST(ApplicationTitle, IsTheProgramNameWithoutItsExtension) {
    EXPECT_EQ(TApplication::Title(), QStringLiteral("platform_tests"));
}

namespace {

[[noreturn]] void FailAsASaveDoes() {
    throw FileError("save", "/games/quest/SERVER/Sword.ITM", "gone");
}

// A control whose click handler fails the way a save into a missing folder does, under the general handler.
class FailingControl : public QWidget {
    Q_OBJECT

public:
    explicit FailingControl(Desktop& desktop) : m_desktop(desktop) {}

protected:
    void mousePressEvent(QMouseEvent*) override { RunEventHandler(m_desktop, this, FailAsASaveDoes); }

private:
    Desktop& m_desktop;
};

// An object whose handler of a posted event fails without any guard: a fault of the program. (An unguarded
// mouse handler would do too, but its failure would also leave Qt's own mouse bookkeeping unfreed.)
class UnguardedObject : public QObject {
    Q_OBJECT

protected:
    void customEvent(QEvent*) override { FailAsASaveDoes(); }
};

} // namespace

TEST(GeneralErrorHandler, ShowsWhatAHandlerRaisedOverItsWindowAndKeepsTheWindowOpen) {
    RecordingDesktop desktop;
    FailingControl control(desktop);
    control.show();
    QTest::mouseClick(&control, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.front(), QStringLiteral("Could not save \"/games/quest/SERVER/Sword.ITM\": gone."));
    EXPECT_EQ(desktop.messageOwners.front(), &control);
    EXPECT_TRUE(control.isVisible());
}

TEST(GeneralErrorHandler, AFailureThatEscapesItsHandlerReachesOnlyTheLastResort) {
    auto& application = *static_cast<TApplication*>(QCoreApplication::instance());
    QStringList reported;
    application.SetLastResort([&](const std::exception& failure) { reported << QString::fromUtf8(failure.what()); });
    UnguardedObject unguarded;
    QCoreApplication::postEvent(&unguarded, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    application.SetLastResort({});
    EXPECT_EQ(reported, QStringList{QStringLiteral("Could not save \"/games/quest/SERVER/Sword.ITM\": gone.")});
}

#include "MessageTextTest.moc"
