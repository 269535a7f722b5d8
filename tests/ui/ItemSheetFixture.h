#pragma once

#include "tests/support/RecordingDesktop.h"
#include "tests/support/TempFolder.h"
#include "ui/forms/BonusDialog.h"
#include "ui/forms/ItemSheet.h"
#include "ui/widgets/BonusListBox.h"
#include "ui/widgets/HoverButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

// The item editor window on a scratch copy of the sample project, with recorded desktop services and the bonus
// dialog driven through its modal-runner seam.
class ItemSheetTest : public testing::Test {
protected:
    ItemSheetTest();

    // Creates the window with these arguments and shows it, which loads or starts the item.
    ItemSheet& Open(const std::vector<std::string>& arguments);
    ItemSheet& OpenItem(const std::string& itemFile) { return Open({project.Path("Quest/" + itemFile)}); }

    // Moves the pointer over the background to point, in the window's client coordinates.
    void MovePointer(const QPoint& point);
    // Clicks a command's caption the way the user does: pointing at it lights it, then the click.
    void ClickCommand(const char* buttonName);
    // Chooses an entry of a choice as the user does: a click opens its list, the arrow keys walk to the entry and
    // Enter picks it.
    void Choose(QComboBox& choice, const QString& entry);
    // The next bonus dialog run: drive acts on the shown dialog, then it is confirmed (or cancelled).
    void OnBonusDialog(std::function<void(BonusDialog&)> drive, bool confirm = true);

    QComboBox& Type() { return Child<QComboBox>("typeBox"); }
    QComboBox& Class() { return Child<QComboBox>("classBox"); }
    QLineEdit& Price() { return Child<QLineEdit>("priceField"); }
    QLineEdit& Stack() { return Child<QLineEdit>("stackField"); }
    BonusListBox& Bonuses() { return Child<BonusListBox>("bonusList"); }
    QStringList BonusTexts();
    bool Lit(const char* buttonName) { return Child<HoverButton>(buttonName).IsLit(); }

    template <typename T> T& Child(const char* name) {
        T* child = form->findChild<T*>(QLatin1String(name));
        if (!child)
            throw std::runtime_error(std::string("no control ") + name);
        return *child;
    }

    std::string Sample(const std::string& relative) const;

    ~ItemSheetTest() override;

    TempFolder project;
    RecordingDesktop desktop;
    BonusDialog bonusDialog{desktop};
    // What escaped every handler's own error handling and reached the application: nothing, ever.
    QStringList lastResortFailures;
    int bonusDialogRuns = 0;
    std::unique_ptr<ItemSheet> form;
};
