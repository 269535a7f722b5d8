#include "ui/forms/BonusDialog.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/WheelTurn.h"
#include "ui/widgets/BonusSpinEdit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint8_t kMaterial = 0;
constexpr std::uint8_t kPotion = 1;
constexpr std::uint8_t kQuest = 2;
constexpr std::uint8_t kRing = 3;
constexpr std::uint8_t kCape = 11;
constexpr std::uint8_t kNoType = 255;

class BonusDialogTest : public testing::Test {
protected:
    // The dialog builds its controls when it is first polished.
    template <typename Control> Control* Find(const char* name) {
        dialog.ensurePolished();
        return dialog.findChild<Control*>(QLatin1String(name));
    }
    QComboBox& Kinds() { return *Find<QComboBox>("kindBox"); }
    BonusSpinEdit& Value() { return *Find<BonusSpinEdit>("valueBox"); }
    QLabel& Sign() { return *Find<QLabel>("signLabel"); }
    QPushButton& Confirm() { return *Find<QPushButton>("okButton"); }
    QPushButton& Cancel() { return *Find<QPushButton>("cancelButton"); }

    QStringList KindTexts() {
        QStringList texts;
        for (int i = 0; i < Kinds().count(); ++i)
            texts << Kinds().itemText(i);
        return texts;
    }

    // Runs the dialog for an item type through the modal-runner seam; drive acts on the shown dialog.
    bool Run(std::uint8_t type, const std::function<void()>& drive) {
        dialog.SetItemType(type);
        dialog.SetModalRunner([&](BonusDialog& shown) {
            EXPECT_TRUE(shown.isVisible());
            drive();
            return shown.result() == QDialog::Accepted;
        });
        return dialog.RunModal();
    }

    // Moves the kind list's selection with the Down key, as the user does.
    void ChooseKind(int steps) {
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(&Kinds(), Qt::Key_Down);
    }

    // The next control that the Tab key reaches after widget.
    static QWidget* NextTabStop(QWidget& widget) {
        QWidget* next = widget.nextInFocusChain();
        while (next != &widget && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    }

    void TypeValue(const QString& text) {
        Value().selectAll();
        QTest::keyClicks(&Value(), text);
    }

    RecordingDesktop desktop;
    BonusDialog dialog{desktop};
};

} // namespace

TEST_F(BonusDialogTest, EveryControlHasItsPlaceAndNoneHidesAnother) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Item Bonus"));
    QList<QWidget*> controls;
    for (const char* name : {"kindPicture", "kindLabel", "kindBox", "valuePicture", "valueLabel", "valueBox",
                             "signLabel", "okButton", "cancelButton"}) {
        auto* control = Find<QWidget>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_TRUE(dialog.rect().contains(control->geometry())) << name << " lies inside the dialog";
        for (QWidget* other : controls)
            EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                << name << " overlaps " << other->objectName().toStdString();
        controls.append(control);
    }
    // Each row reads from left to right: picture, caption, control (and the sign after the number box).
    const auto leftOf = [this](const char* left, const char* right) {
        EXPECT_LT(Find<QWidget>(left)->geometry().right(), Find<QWidget>(right)->geometry().left()) << left << right;
    };
    leftOf("kindPicture", "kindLabel");
    leftOf("kindLabel", "kindBox");
    leftOf("valuePicture", "valueLabel");
    leftOf("valueLabel", "valueBox");
    leftOf("valueBox", "signLabel");
    EXPECT_LT(Value().geometry().bottom(), Confirm().geometry().top()) << "the buttons lie below the value";
    EXPECT_LT(Confirm().geometry().bottom(), Cancel().geometry().top());
    EXPECT_FALSE(Kinds().isEditable());
    EXPECT_EQ(Kinds().view()->sizeHintForRow(0), 23);
    EXPECT_FALSE(Find<QLabel>("kindPicture")->pixmap().isNull());
    EXPECT_FALSE(Find<QLabel>("valuePicture")->pixmap().isNull());
    EXPECT_TRUE(Confirm().isDefault());
    EXPECT_FALSE(Cancel().isDefault());
    EXPECT_FALSE(Confirm().icon().isNull());
    EXPECT_FALSE(Cancel().icon().isNull());
    EXPECT_EQ(Confirm().text(), QStringLiteral("ADD BONUS"));
    EXPECT_EQ(Cancel().text(), QStringLiteral("CANCEL"));

    // The tab order: kind list, number box, confirm, cancel.
    EXPECT_EQ(NextTabStop(Kinds()), &Value());
    EXPECT_EQ(NextTabStop(Value()), &Confirm());
    EXPECT_EQ(NextTabStop(Confirm()), &Cancel());
    EXPECT_EQ(NextTabStop(Cancel()), &Kinds());
}

TEST_F(BonusDialogTest, TextIsHeavyAtTheDesignedPixelHeights) {
    const struct {
        QWidget* widget;
        int pixelSize;
    } texts[] = {{Find<QLabel>("kindLabel"), 16},
                 {&Kinds(), 16},
                 {&Value(), 16},
                 {&Sign(), 29},
                 {&Confirm(), 27},
                 {&Cancel(), 27}};
    for (const auto& text : texts) {
        EXPECT_EQ(text.widget->font().pixelSize(), text.pixelSize) << text.widget->objectName().toStdString();
        EXPECT_TRUE(text.widget->font().families().startsWith(QStringLiteral("Arial Black")));
        // Whatever family the machine has, the one drawn is its heaviest face, not a regular one.
        EXPECT_GE(QFontInfo(text.widget->font()).weight(), QFont::Bold) << text.widget->objectName().toStdString();
    }
}

TEST_F(BonusDialogTest, TheDialogIsWhiteAndItsPicturesBlendIn) {
    Run(kRing, [&] {
        const QImage shown = dialog.grab().toImage();
        const QColor white(Qt::white);
        EXPECT_EQ(shown.pixelColor(200, 112), white);
        EXPECT_EQ(shown.pixelColor(8, 8), white);
        EXPECT_EQ(shown.pixelColor(53, 102), white);
        // The sign sits on a button-face box.
        EXPECT_EQ(shown.pixelColor(Sign().geometry().topLeft()), QColor(0xf0, 0xf0, 0xf0));
        // Around the round button pictures the confirm and cancel buttons show their own face, not a white square.
        for (QPushButton* button : {&Confirm(), &Cancel()}) {
            const QImage face = button->grab().toImage();
            const QSize glyph = button->iconSize();
            const int glyphLeft =
                (face.width() - glyph.width() - button->fontMetrics().horizontalAdvance(button->text())) / 2;
            const QPoint corner(glyphLeft + 1, (face.height() - glyph.height()) / 2 + 1);
            EXPECT_NE(face.pixelColor(corner), white) << button->objectName().toStdString();
            EXPECT_EQ(face.pixelColor(corner), face.pixelColor(4, 4)) << button->objectName().toStdString();
        }
    });
}

TEST_F(BonusDialogTest, TheKindListStartsWithAllKindsAndEachShowingRefillsItByType) {
    ASSERT_EQ(Kinds().count(), 22);
    EXPECT_EQ(Kinds().currentIndex(), 0);
    EXPECT_EQ(Kinds().itemText(0), QStringLiteral("Small Potion MP"));
    EXPECT_EQ(Kinds().itemText(4), QStringLiteral("Defend+"));
    EXPECT_EQ(Kinds().itemText(21), QStringLiteral("ResShadow+"));

    const QStringList potions = {QStringLiteral("Small Potion MP"), QStringLiteral("Normal Potion MP"),
                                 QStringLiteral("Small Potion HP"), QStringLiteral("Normal Potion HP")};
    const struct {
        std::uint8_t type;
        int count;
        QString first;
    } expected[] = {{kPotion, 4, potions[0]},  {kRing, 18, QStringLiteral("Defend+")},
                    {kMaterial, 0, QString()}, {kCape, 18, QStringLiteral("Defend+")},
                    {kQuest, 0, QString()},    {kNoType, 18, QStringLiteral("Defend+")}};
    for (const auto& type : expected) {
        Run(type.type, [&] {
            EXPECT_EQ(Kinds().count(), type.count) << int(type.type);
            EXPECT_EQ(Kinds().currentText(), type.first) << int(type.type);
        });
    }
    Run(kPotion, [&] { EXPECT_EQ(KindTexts(), potions); });
}

TEST_F(BonusDialogTest, TheWheelTurnsTheKindListOnlyOnceTheUserIsInIt) {
    Run(kRing, [&] {
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        Value().setFocus();
        TurnWheelDown(Kinds(), 2);
        EXPECT_EQ(Kinds().currentIndex(), 0) << "the wheel scrolls past the list";
        Kinds().setFocus();
        TurnWheelDown(Kinds(), 2);
        EXPECT_EQ(Kinds().currentIndex(), 2);
    });
}

TEST_F(BonusDialogTest, APotionOffersItsKindsWithoutAValue) {
    const QRect signBox = Sign().geometry();
    Value().SetValue(75);
    QString entry;
    const bool confirmed = Run(kPotion, [&] {
        EXPECT_EQ(Sign().text(), QString());
        EXPECT_EQ(Sign().geometry(), signBox) << "the sign box keeps its place and size without a sign";
        EXPECT_EQ(Value().text(), QStringLiteral("0"));
        EXPECT_FALSE(Value().isEnabled());
        ChooseKind(3);
        EXPECT_EQ(Sign().text(), QString());
        EXPECT_FALSE(Value().isEnabled());
        QTest::mouseClick(&Confirm(), Qt::LeftButton);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("Normal Potion HP"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(BonusDialogTest, OnAMaterialItemTheListIsEmptyAndOkGivesAnEmptyEntry) {
    const bool confirmed = Run(kMaterial, [&] {
        EXPECT_EQ(Kinds().currentIndex(), -1);
        EXPECT_FALSE(Value().isEnabled());
        QTest::mouseClick(&Confirm(), Qt::LeftButton);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QString());
}

TEST_F(BonusDialogTest, EnterInTheNumberBoxConfirmsOnce) {
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy clicked(&Confirm(), &QPushButton::clicked);
    const bool confirmed = Run(kRing, [&] {
        ChooseKind(1);
        EXPECT_EQ(Kinds().currentText(), QStringLiteral("Attack+"));
        EXPECT_EQ(Sign().text(), QStringLiteral("+"));
        TypeValue(QStringLiteral("250"));
        QTest::keyClick(&Value(), Qt::Key_Return);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("Attack+250"));
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(BonusDialogTest, TheRealModalRunEndsWithEnterInTheNumberBox) {
    dialog.SetItemType(kRing);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.isModal());
        EXPECT_TRUE(dialog.isVisible());
        TypeValue(QStringLiteral("42"));
        QTest::keyClick(&Value(), Qt::Key_Enter);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("Defend+42"));
}

TEST_F(BonusDialogTest, PercentKindsLimitTheValueTo100) {
    QSignalSpy refused(&Value(), &BonusSpinEdit::CharacterRefused);
    const QRect signBox = Sign().geometry();
    const bool confirmed = Run(kRing, [&] {
        ChooseKind(1);
        TypeValue(QStringLiteral("5000"));
        ChooseKind(15);
        EXPECT_EQ(Kinds().currentText(), QStringLiteral("ResAcid+"));
        EXPECT_EQ(Sign().text(), QStringLiteral("%"));
        EXPECT_EQ(Value().text(), QStringLiteral("100"));
        EXPECT_EQ(Sign().geometry(), signBox) << "the sign box keeps its place and size";
        EXPECT_LE(Sign().fontMetrics().horizontalAdvance(QStringLiteral("%")), Sign().width()) << "a wide sign fits";

        TypeValue(QStringLiteral("1234"));
        EXPECT_EQ(Value().text(), QStringLiteral("123"));
        EXPECT_EQ(refused.count(), 1);

        // The typed 123 is lowered on the next percent kind, and leaving percent mode keeps the lowered value.
        for (int i = 0; i < 15; ++i)
            QTest::keyClick(&Kinds(), Qt::Key_Up);
        EXPECT_EQ(Kinds().currentText(), QStringLiteral("Attack+"));
        EXPECT_EQ(Sign().text(), QStringLiteral("+"));
        EXPECT_EQ(Value().text(), QStringLiteral("100"));
        TypeValue(QStringLiteral("1234567"));
        EXPECT_EQ(Value().text(), QStringLiteral("123456"));
        EXPECT_EQ(refused.count(), 2);
        QTest::keyClick(&Kinds(), Qt::Key_End);
        QTest::mouseClick(&Confirm(), Qt::LeftButton);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("ResShadow+100"));
}

TEST_F(BonusDialogTest, A150TypedInPercentModeConfirmsAs100) {
    const bool confirmed = Run(kRing, [&] {
        QTest::keyClick(&Kinds(), Qt::Key_End);
        TypeValue(QStringLiteral("150"));
        EXPECT_EQ(Value().text(), QStringLiteral("150"));
        QTest::keyClick(&Value(), Qt::Key_Return);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("ResShadow+100"));
    EXPECT_EQ(Value().text(), QStringLiteral("100"));
}

TEST_F(BonusDialogTest, EditStartsFromTheRequestedKindAndValue) {
    dialog.SetConfirmCaption(QStringLiteral("EDIT BONUS"));
    dialog.RequestKind(QStringLiteral("RESCHILL+"));
    dialog.SetPlusValue(40);
    const bool confirmed = Run(kCape, [&] {
        EXPECT_EQ(Confirm().text(), QStringLiteral("EDIT BONUS"));
        EXPECT_EQ(Kinds().currentText(), QStringLiteral("ResChill+"));
        EXPECT_EQ(Sign().text(), QStringLiteral("%"));
        EXPECT_EQ(Value().text(), QStringLiteral("40"));
        QTest::keyClick(&Confirm(), Qt::Key_Space);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("ResChill+40"));

    // The request holds for one showing only.
    Run(kCape, [&] { EXPECT_EQ(Kinds().currentText(), QStringLiteral("Defend+")); });
}

TEST_F(BonusDialogTest, EditOfAStatOnAnItemNowAPotionStartsFromTheFirstPotion) {
    dialog.RequestKind(QStringLiteral("Chill+"));
    dialog.SetPlusValue(5);
    const bool confirmed = Run(kPotion, [&] {
        EXPECT_EQ(Kinds().currentText(), QStringLiteral("Small Potion MP"));
        EXPECT_EQ(Value().text(), QStringLiteral("0"));
        QTest::mouseClick(&Confirm(), Qt::LeftButton);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("Small Potion MP"));
}

TEST_F(BonusDialogTest, AnEditValueAboveThePlusRangeIsBroughtBack) {
    dialog.SetPlusValue(250000);
    Run(kRing, [&] { EXPECT_EQ(Value().text(), QStringLiteral("100000")); });
    dialog.SetPlusValue(-3);
    Run(kRing, [&] { EXPECT_EQ(Value().text(), QStringLiteral("0")); });
}

TEST_F(BonusDialogTest, CancelEscapeAndTheCloseButtonCloseWithCancel) {
    const std::function<void()> closings[] = {[&] { QTest::mouseClick(&Cancel(), Qt::LeftButton); },
                                              [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
                                              [&] { dialog.close(); }};
    for (const auto& close : closings) {
        const bool confirmed = Run(kRing, [&] {
            TypeValue(QStringLiteral("7"));
            close();
        });
        EXPECT_FALSE(confirmed);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.ResultEntry(), QString());
    }
}

TEST_F(BonusDialogTest, TheValueIsKeptBetweenShowings) {
    Run(kRing, [&] {
        ChooseKind(1);
        TypeValue(QStringLiteral("250"));
        QTest::keyClick(&Value(), Qt::Key_Return);
    });
    const bool confirmed = Run(kRing, [&] {
        EXPECT_EQ(Value().text(), QStringLiteral("250"));
        QTest::mouseClick(&Confirm(), Qt::LeftButton);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("Defend+250"));

    // A showing in percent mode lowers it; the next plus showing starts from the lowered value.
    dialog.RequestKind(QStringLiteral("ResHeat+"));
    Run(kRing, [&] { EXPECT_EQ(Value().text(), QStringLiteral("100")); });
    Run(kRing, [&] { EXPECT_EQ(Value().text(), QStringLiteral("100")); });
}

TEST_F(BonusDialogTest, RefusedCharactersBeepAndLeaveTheText) {
    QSignalSpy refused(&Value(), &BonusSpinEdit::CharacterRefused);
    Run(kRing, [&] {
        TypeValue(QStringLiteral("1"));
        QTest::keyClicks(&Value(), QStringLiteral("a x,!"));
        EXPECT_EQ(Value().text(), QStringLiteral("1"));
        EXPECT_EQ(refused.count(), 5);
        QTest::keyClicks(&Value(), QStringLiteral("-+."));
        EXPECT_EQ(Value().text(), QStringLiteral("1-+."));
        EXPECT_EQ(refused.count(), 5);
        // Editing keys are not typed characters.
        QTest::keyClick(&Value(), Qt::Key_Backspace);
        QTest::keyClick(&Value(), Qt::Key_Home);
        QTest::keyClick(&Value(), Qt::Key_Delete);
        EXPECT_EQ(Value().text(), QStringLiteral("-+"));
        EXPECT_EQ(refused.count(), 5);
    });
}

TEST_F(BonusDialogTest, TextThatIsNotAWholeNumberCountsAs0) {
    const QString texts[] = {QStringLiteral("1.5"), QStringLiteral("-"), QStringLiteral("+-3"), QString()};
    for (const QString& text : texts) {
        const bool confirmed = Run(kRing, [&] {
            Value().selectAll();
            QTest::keyClick(&Value(), Qt::Key_Delete);
            QTest::keyClicks(&Value(), text);
            EXPECT_EQ(Value().Value(), 0) << text.toStdString();
            QTest::keyClick(&Value(), Qt::Key_Return);
        });
        EXPECT_TRUE(confirmed);
        EXPECT_EQ(dialog.ResultEntry(), QStringLiteral("Defend+0")) << text.toStdString();
    }
    Run(kRing, [&] {
        TypeValue(QStringLiteral("+12"));
        EXPECT_EQ(Value().Value(), 12);
        TypeValue(QStringLiteral("-12"));
        EXPECT_EQ(Value().Value(), 0);
    });
}

TEST_F(BonusDialogTest, ArrowKeysAndArrowButtonsStepWithinTheRange) {
    auto* up = Value().findChild<QAbstractButton*>(QStringLiteral("UpButton"));
    auto* down = Value().findChild<QAbstractButton*>(QStringLiteral("DownButton"));
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    Run(kRing, [&] {
        TypeValue(QStringLiteral("1"));
        QTest::keyClick(&Value(), Qt::Key_Down);
        EXPECT_EQ(Value().text(), QStringLiteral("0"));
        QTest::keyClick(&Value(), Qt::Key_Down);
        EXPECT_EQ(Value().text(), QStringLiteral("0"));
        QTest::keyClick(&Value(), Qt::Key_Up);
        QTest::mouseClick(up, Qt::LeftButton);
        EXPECT_EQ(Value().text(), QStringLiteral("2"));
        QTest::mouseClick(down, Qt::LeftButton);
        EXPECT_EQ(Value().text(), QStringLiteral("1"));

        TypeValue(QStringLiteral("100000"));
        QTest::keyClick(&Value(), Qt::Key_Up);
        QTest::mouseClick(up, Qt::LeftButton);
        EXPECT_EQ(Value().text(), QStringLiteral("100000"));

        // In percent mode a typed 150 steps from the top of the range.
        QTest::keyClick(&Kinds(), Qt::Key_End);
        TypeValue(QStringLiteral("150"));
        QTest::keyClick(&Value(), Qt::Key_Down);
        EXPECT_EQ(Value().text(), QStringLiteral("99"));
    });
    // The arrow buttons are inside the box and never take the focus from it.
    EXPECT_EQ(up->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(Value().rect().contains(up->geometry()));
    EXPECT_TRUE(Value().rect().contains(down->geometry()));
}

TEST_F(BonusDialogTest, AHeldArrowButtonRepeatsAfter400MsThenEvery100MsUntilLetGo) {
    auto* up = Value().findChild<QAbstractButton*>(QStringLiteral("UpButton"));
    Run(kRing, [&] {
        TypeValue(QStringLiteral("10"));
        QElapsedTimer held;
        QTest::mousePress(up, Qt::LeftButton);
        held.start();
        EXPECT_EQ(Value().text(), QStringLiteral("11"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Value().Value() >= 12; }, 3000));
        const qint64 firstRepeat = held.elapsed();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Value().Value() >= 14; }, 3000));
        const qint64 thirdRepeat = held.elapsed();
        QTest::mouseRelease(up, Qt::LeftButton);
        // Timers may fire up to 5% early; a busy machine only makes them later.
        EXPECT_GE(firstRepeat, 380);
        EXPECT_GE(thirdRepeat - firstRepeat, 190);
        const int released = Value().Value();
        QTest::qWait(250);
        EXPECT_EQ(Value().Value(), released);
    });
}

TEST(BonusDialogPlacement, TheDialogIsCentredOverTheEditorInTheMiddleOfTheScreen) {
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QWidget editor(nullptr, Qt::FramelessWindowHint);
    editor.resize(150, 100);
    editor.move(screenCentre - editor.rect().center());
    editor.show();
    RecordingDesktop desktop;
    BonusDialog dialog(desktop, &editor);
    dialog.SetItemType(kRing);
    QPoint centre;
    dialog.SetModalRunner([&](BonusDialog& shown) {
        centre = shown.frameGeometry().center();
        return false;
    });
    dialog.RunModal();
    EXPECT_LE((centre - editor.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_LE((centre - screenCentre).manhattanLength(), 4) << "the editor itself is centred to a pixel or two";
}

TEST_F(BonusDialogTest, LosingTheFocusBringsTheValueBackIntoRange) {
    Run(kRing, [&] {
        QTest::keyClick(&Kinds(), Qt::Key_End);
        TypeValue(QStringLiteral("150"));
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&Value(), &leaving);
        EXPECT_EQ(Value().text(), QStringLiteral("100"));

        TypeValue(QStringLiteral("-"));
        QFocusEvent menu(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(&Value(), &menu);
        EXPECT_EQ(Value().text(), QStringLiteral("-"));
        QCoreApplication::sendEvent(&Value(), &leaving);
        EXPECT_EQ(Value().text(), QStringLiteral("0"));
    });
}

TEST(BonusDialogFirstShowing, AFreshDialogBuildsItsControlsOnlyForItsFirstShowingAndShowsThemAll) {
    RecordingDesktop desktop;
    QWidget sheet;
    BonusDialog dialog(desktop, &sheet);
    sheet.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.findChildren<QWidget*>().isEmpty()) << "showing its owner, the sheet, builds nothing";
    dialog.SetItemType(kRing);
    QStringList hidden;
    dialog.SetModalRunner([&](BonusDialog& shown) {
        for (const char* name : {"kindPicture", "kindLabel", "kindBox", "valuePicture", "valueLabel", "valueBox",
                                 "signLabel", "okButton", "cancelButton"}) {
            const auto* control = shown.findChild<QWidget*>(QLatin1String(name));
            if (!control || !control->isVisible())
                hidden << QLatin1String(name);
        }
        return false;
    });
    dialog.RunModal();
    EXPECT_TRUE(hidden.isEmpty()) << hidden.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(dialog.parentWidget(), &sheet) << "the sheet owns the dialog once it runs";
}
