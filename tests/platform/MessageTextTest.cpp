#include "base/FileError.h"
#include "platform/EditorApplication.h"
#include "platform/ErrorHandler.h"
#include "platform/PictureDialog.h"
#include "platform/QtDesktop.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/TempFolder.h"

#include <QClipboard>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

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

TEST(MessageBox, ShowsALongPathWithinTheScreenAndCopiesItAsGiven) {
    QtDesktop desktop(*static_cast<EditorApplication*>(QCoreApplication::instance()));
    const QString deepPath =
        QStringLiteral("/games/") + QStringLiteral("Quest/").repeated(60) + QStringLiteral("X.ITM");
    const QString longName = QStringLiteral("/games/Quest/SERVER/") + QString(251, QLatin1Char('L'));
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    for (const QString& path : {deepPath, longName}) {
        const QString message = QStringLiteral("Could not save \"") + path + QStringLiteral("\": Permission denied.");
        clipboard.clear();
        int shownWidth = 0;
        QString copied;
        std::optional<QString> copiedSelection;
        OnNextModalWindow([&](QDialog& box) {
            shownWidth = box.frameGeometry().width();
            QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
            copied = clipboard.text();
            // Where the style lets the user select the text, a selection is copied by the text itself.
            auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (text && text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse)) {
                text->setSelection(0, int(text->text().size()));
                QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
                copiedSelection = clipboard.text();
            }
            box.done(0);
        });
        desktop.ShowMessage(nullptr, message);
        EXPECT_GT(shownWidth, 0);
        EXPECT_LE(shownWidth, screenWidth);
        EXPECT_TRUE(copied.split(QLatin1Char('\n')).contains(message)) << copied.toStdString();
        if (copiedSelection) {
            EXPECT_EQ(copiedSelection->toStdString(), message.toStdString());
        }
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

namespace {

bool ShowsAPreview(const PictureDialog& dialog) {
    const auto labels = dialog.findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [](QLabel* label) { return !label->pixmap().isNull(); });
}

QStringList ShownEntries(const QListWidget& entries) {
    QStringList shown;
    for (int row = 0; row < entries.count(); ++row)
        shown << entries.item(row)->text();
    return shown;
}

} // namespace

TEST(PictureDialog, ShowsFoldersAndBitmapsPreviewsThemAndPicksOne) {
    const TempFolder project;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    project.MakeFolder("RESOURCES/Old");
    ASSERT_TRUE(picture.save(QString::fromStdString(project.Path("RESOURCES/Gem.bmp")), "BMP"));
    ASSERT_TRUE(picture.save(QString::fromStdString(project.Path("RESOURCES/Old/AXE.BMP")), "BMP"));
    ASSERT_TRUE(picture.save(QString::fromStdString(project.Path("RESOURCES/Old/gem.BMP")), "BMP"));
    project.Write("RESOURCES/Notes.txt", "not a picture");
    const QString resources = QString::fromStdString(project.Path("RESOURCES"));
    const QString old = QString::fromStdString(project.Path("RESOURCES/Old"));
    PictureDialog dialog(nullptr, resources);
    // Shown, as the user has it: a dialog's buttons are pressed by Enter only while they are visible.
    dialog.show();
    auto* entries = dialog.findChild<QListWidget*>("entryList");
    auto* lookIn = dialog.findChild<QLineEdit*>("lookInField");
    auto* fileName = dialog.findChild<QLineEdit*>("fileNameField");
    auto* open = dialog.findChild<QPushButton*>("openButton");
    ASSERT_TRUE(entries && lookIn && fileName && open);
    EXPECT_EQ(ShownEntries(*entries), (QStringList{QStringLiteral("Old"), QStringLiteral("Gem.bmp")}))
        << "folders first, then the bitmaps; nothing else";

    entries->setCurrentRow(1);
    EXPECT_TRUE(ShowsAPreview(dialog)) << "the selected picture is previewed";
    EXPECT_TRUE(open->isEnabled());

    // Enter in the folder field only goes there, though the same name is a bitmap there too.
    lookIn->selectAll();
    QTest::keyClicks(lookIn, QDir::toNativeSeparators(old));
    QTest::keyClick(lookIn, Qt::Key_Return);
    EXPECT_NE(dialog.result(), QDialog::Accepted) << "picked " << dialog.PickedFile().toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QDir(dialog.Folder()), QDir(old));
    EXPECT_EQ(ShownEntries(*entries), (QStringList{QStringLiteral("AXE.BMP"), QStringLiteral("gem.BMP")}));
    EXPECT_TRUE(entries->selectedItems().isEmpty());
    EXPECT_TRUE(fileName->text().isEmpty());
    EXPECT_FALSE(ShowsAPreview(dialog));
    EXPECT_FALSE(open->isEnabled());

    // Open waits for a name of a bitmap in the shown folder, in any letter case.
    const auto openWith = [&](const QString& name) {
        fileName->clear();
        QTest::keyClicks(fileName, name);
        return open->isEnabled();
    };
    EXPECT_TRUE(openWith(QStringLiteral("axe.bmp")));
    EXPECT_FALSE(openWith(QStringLiteral("axe")));
    EXPECT_FALSE(openWith(QStringLiteral("../Gem.bmp"))) << "a bitmap of another folder";
    EXPECT_FALSE(openWith(QDir::toNativeSeparators(old + QStringLiteral("/AXE.BMP"))));

    // Enter in the name field opens the folder it names, and never picks a file that is no bitmap.
    EXPECT_FALSE(openWith(QStringLiteral("..")));
    QTest::keyClick(fileName, Qt::Key_Return);
    EXPECT_EQ(QDir(dialog.Folder()), QDir(resources));
    EXPECT_TRUE(fileName->text().isEmpty());
    EXPECT_FALSE(openWith(QStringLiteral("Notes.txt")));
    QTest::keyClick(fileName, Qt::Key_Return);
    EXPECT_NE(dialog.result(), QDialog::Accepted) << "picked " << dialog.PickedFile().toStdString();
    EXPECT_FALSE(openWith(QStringLiteral("Old")));

    // Enter on a folder entry still opens it.
    entries->setCurrentRow(0);
    QTest::keyClick(entries, Qt::Key_Return);
    EXPECT_EQ(QDir(dialog.Folder()), QDir(old));
    EXPECT_TRUE(dialog.isVisible());

    EXPECT_TRUE(openWith(QStringLiteral("axe.bmp")));
    QTest::keyClick(fileName, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(QFileInfo(dialog.PickedFile()), QFileInfo(old + QStringLiteral("/AXE.BMP")));
}

TEST(ApplicationTitle, IsTheProgramNameWithoutItsExtension) {
    EXPECT_EQ(EditorApplication::Title(), QStringLiteral("platform_tests"));
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
    auto& application = *static_cast<EditorApplication*>(QCoreApplication::instance());
    QStringList reported;
    application.SetLastResort([&](const std::exception& failure) { reported << QString::fromUtf8(failure.what()); });
    UnguardedObject unguarded;
    QCoreApplication::postEvent(&unguarded, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    application.SetLastResort({});
    EXPECT_EQ(reported, QStringList{QStringLiteral("Could not save \"/games/quest/SERVER/Sword.ITM\": gone.")});
}

#include "MessageTextTest.moc"
