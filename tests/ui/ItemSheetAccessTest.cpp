// The item sheet for everyone: named for screen readers, worked by the keyboard alone, readable in every scheme.
#include "tests/ui/ItemSheetFixture.h"

#include "ui/widgets/BonusSpinEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QMap>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The names and roles of every accessible object below the widget's.
QMap<QString, QAccessible::Role> AccessibleTree(QWidget& window) {
    QMap<QString, QAccessible::Role> named;
    std::vector<QAccessibleInterface*> open = {QAccessible::queryAccessibleInterface(&window)};
    while (!open.empty()) {
        QAccessibleInterface* at = open.back();
        open.pop_back();
        for (int i = 0; i < at->childCount(); ++i) {
            QAccessibleInterface* child = at->child(i);
            if (!child || child->role() == QAccessible::ListItem)
                continue;
            named.insert(child->text(QAccessible::Name), child->role());
            open.push_back(child);
        }
    }
    return named;
}

QWidget* Focused() {
    return QApplication::focusWidget();
}

void PressTab(int times) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(Focused(), Qt::Key_Tab);
}

double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

// How far the text drawn in the widget stands out from its ground, as the window shows it: the contrast ratio of the
// ground (its most common colour) and the pixel of the most different luminance.
double TextContrast(QWidget& widget) {
    // As the window shows it, with whatever lies behind the widget.
    QWidget& window = *widget.window();
    const QImage shown = window.grab(QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size()))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            ++counts[shown.pixel(x, y)];
    }
    const QColor ground = QColor::fromRgb(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
    double most = 1;
    for (const auto& [pixel, count] : counts) {
        const double a = Luminance(ground) + 0.05, b = Luminance(QColor::fromRgb(pixel)) + 0.05;
        most = std::max(most, std::max(a, b) / std::min(a, b));
    }
    return most;
}

QPalette Scheme(const QColor& ground, const QColor& text, const QColor& highlight, const QColor& highlightedText) {
    QPalette scheme;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
        scheme.setColor(role, ground);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        scheme.setColor(role, text);
    scheme.setColor(QPalette::Highlight, highlight);
    scheme.setColor(QPalette::HighlightedText, highlightedText);
    return scheme;
}

} // namespace

TEST_F(ItemSheetTest, EveryControlIsNamedForScreenReadersAndEveryCommandIsAButton) {
    OpenItem("RubyRing.ITM");
    const QMap<QString, QAccessible::Role> sheet = AccessibleTree(*form);
    const std::map<QString, QAccessible::Role> expected = {
        {"Name", QAccessible::StaticText},       {"Type", QAccessible::ComboBox},
        {"Avatar Class", QAccessible::ComboBox}, {"Description", QAccessible::EditableText},
        {"Price", QAccessible::EditableText},    {"Stack", QAccessible::EditableText},
        {"Item Use Bonus", QAccessible::List},   {"Add Bonus", QAccessible::Button},
        {"Edit Bonus", QAccessible::Button},     {"Remove Bonus", QAccessible::Button},
        {"Save", QAccessible::Button},           {"Exit", QAccessible::Button},
        {"RubyRing", QAccessible::Graphic}};
    for (const auto& [name, role] : expected) {
        ASSERT_TRUE(sheet.contains(name))
            << name.toStdString()
            << " is not named for a screen reader: " << QStringList(sheet.keys()).join('|').toStdString();
        EXPECT_EQ(sheet.value(name), role) << name.toStdString();
    }
    for (const char* command : {"addBonusButton", "editBonusButton", "removeBonusButton", "saveButton", "exitButton"})
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&Child<QWidget>(command))->state().focusable) << command;

    QMap<QString, QAccessible::Role> dialog;
    OnBonusDialog([&dialog](BonusDialog& shown) { dialog = AccessibleTree(shown); }, false);
    ClickCommand("addBonusButton");
    EXPECT_EQ(dialog.value(QStringLiteral("Bonus")), QAccessible::ComboBox);
    EXPECT_TRUE(dialog.contains(QStringLiteral("Value")));
}

TEST_F(ItemSheetTest, TheKeyboardAloneReachesEveryFieldAndCommandAndSaves) {
    OpenItem("RubyRing.ITM");
    ASSERT_EQ(Focused(), &Type()) << "the sheet opens on its first field";
    PressTab(4);
    ASSERT_EQ(Focused(), &Price()) << "type, bonus list, class, description, then the price";
    QTest::keyClicks(Focused(), QStringLiteral("1750"));
    PressTab(2);
    ASSERT_EQ(Focused(), &Child<QWidget>("addBonusButton")) << "after the stack come the commands";
    EXPECT_TRUE(Lit("addBonusButton")) << "a focused command shows its lit caption";
    OnBonusDialog([](BonusDialog& dialog) {
        auto* number = dialog.findChild<BonusSpinEdit*>(QStringLiteral("valueBox"));
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, QStringLiteral("40"));
    });
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(bonusDialogRuns, 1) << "Enter runs the focused command";
    // The dialog took the window system's activation and the focus; back on the sheet, the user is at the command
    // that opened it (how soon the window system gives the activation back is its own affair).
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == form.get(); }, 5000));
    Child<QWidget>("addBonusButton").setFocus(Qt::TabFocusReason);
    PressTab(1);
    EXPECT_FALSE(Lit("addBonusButton"));
    PressTab(2);
    ASSERT_EQ(Focused(), &Child<QWidget>("saveButton"));
    QTest::keyClick(Focused(), Qt::Key_Space);
    EXPECT_EQ(
        project.Read("Quest/SERVER/RubyRing.ITM"),
        "Type=Ring\r\nBonus=Attack+25,ResHeat+10,Defend+40\r\nPrice=1750\r\nClass=ALL\r\nWeight=1\r\nStack=1\r\n");
    EXPECT_FALSE(form->isVisible()) << "Space saved and closed the sheet";
}

TEST_F(ItemSheetTest, EachFieldsTextStandsOutFromItsBoxInEveryColourScheme) {
    const QPalette before = QApplication::palette();
    const std::pair<const char*, QPalette> schemes[] = {
        {"white on black", Scheme(Qt::black, Qt::white, QColor(0, 255, 255), Qt::black)},
        {"black on white", Scheme(Qt::white, Qt::black, QColor(55, 0, 110), Qt::white)},
        {"dark", Scheme(QColor(42, 42, 46), QColor(230, 230, 230), QColor(42, 130, 218), Qt::white)}};
    for (const auto& [name, scheme] : schemes) {
        QApplication::setPalette(scheme);
        OpenItem("RubyRing.ITM");
        Bonuses().SelectRow(-1);
        // The text itself, not the highlight of a focused choice.
        Focused()->clearFocus();
        for (QWidget* field :
             std::initializer_list<QWidget*>{&Child<QWidget>("nameLabel"), &Type(), &Class(),
                                             &Child<QWidget>("descriptionBox"), &Price(), &Stack(), &Bonuses()}) {
            // A list lays its rows out in a later turn of the event loop.
            EXPECT_TRUE(QTest::qWaitFor([field = field] { return TextContrast(*field) >= 7.0; }, 2000))
                << name << ": " << field->objectName().toStdString() << " at " << TextContrast(*field);
            EXPECT_EQ(field->grab().toImage().pixelColor(field->width() - 2, field->height() - 2), QColor(Qt::white))
                << name << ": " << field->objectName().toStdString() << " stands on the painted white box";
        }
        OnBonusDialog(
            [name = name](BonusDialog& dialog) {
                for (const char* control : {"kindLabel", "kindBox", "valueLabel", "valueBox"})
                    EXPECT_GE(TextContrast(*dialog.findChild<QWidget*>(QLatin1String(control))), 7.0)
                        << name << ": " << control;
            },
            false);
        ClickCommand("addBonusButton");
        form.reset();
    }
    QApplication::setPalette(before);
}
