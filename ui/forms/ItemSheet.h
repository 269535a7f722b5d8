#pragma once

#include "itemdata/EditedItem.h"
#include "platform/TextCodec.h"
#include "ui/artwork/SheetArtwork.h"
#include "ui/forms/FileText.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class BonusListBox;
class DescriptionBox;
class Desktop;
class DigitEdit;
class HoverButton;
class QComboBox;
class QLabel;
class SheetBackground;
struct SheetPictures;
class BonusDialog;

// The item editor window: a borderless item sheet on which one item is loaded or started, edited and saved.
// It owns the editing run's state and holds the item's fields in its controls.
class ItemSheet : public QWidget {
    Q_OBJECT

public:
    // Builds the sheet and reads the command line; without an argument it tells the user and ends the run.
    ItemSheet(Desktop& desktop, const std::vector<std::string>& arguments, QWidget* parent = nullptr);
    ~ItemSheet() override;

    // Gives the dialog used for every Add and Edit, not owned; asked for at the first of them, so that making the
    // dialog costs the start-up nothing.
    void SetBonusDialog(std::function<BonusDialog&()> bonusDialog) { m_bonusDialog = std::move(bonusDialog); }

    // Restores the window when minimised and brings it to the front.
    void BringToFront();

    // The first showing: loads the item named on the command line, or starts a new one from a picked icon.
    void OpenOrStartItem();

    void AddBonus();
    void EditBonus();
    void RemoveBonus();
    void Save();
    void Exit();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TakeCommandLine(const std::vector<std::string>& arguments);
    void BuildControls();
    void BuildHoverButtons(const SheetPictures& pictures);
    void ConnectHandlers();

    // The sheet's own description, which shows until an item's replaces it.
    void ShowSheetDescription();
    void OpenExistingItem();
    void ShowItem();
    void StartNewItem();
    QString NewItemNameProblem(const QString& pictureName) const;
    void ShowIcon(const std::string& path);
    void FillClassChoice();
    std::optional<std::string> SelectedClass() const;
    void AddBonusEntry(const std::string& bytes);
    std::vector<std::string> BonusEntries() const;

    void TypeChosen();
    void ClassChosen();
    void RunWearableCheck();
    void PointerMovedOverSheet(const QPoint& point);
    void HideHoverButtons();

    bool DescriptionCanBeSaved(const QString& description);
    ItemVocabulary::TypeIndex SelectedType() const;
    void SelectType(ItemVocabulary::TypeIndex type);
    bool RunBonusDialog(BonusDialog& dialog, const QString& caption);

    Desktop& m_desktop;
    std::function<BonusDialog&()> m_bonusDialog;
    // The item as opened or started; the controls hold its fields while the user edits them.
    EditedItem m_item;
    TextCodec::Encoding m_descriptionEncoding = TextCodec::Encoding::System;
    FileText m_loadedPrice;
    FileText m_loadedStack;
    bool m_shownOnce = false;

    SheetBackground* m_background = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_icon = nullptr;
    std::array<HoverButton*, SheetArtwork::kCaptionCount> m_commandButtons{};
    QComboBox* m_typeBox = nullptr;
    BonusListBox* m_bonusList = nullptr;
    QComboBox* m_classBox = nullptr;
    DescriptionBox* m_descriptionBox = nullptr;
    DigitEdit* m_priceField = nullptr;
    DigitEdit* m_stackField = nullptr;
};
