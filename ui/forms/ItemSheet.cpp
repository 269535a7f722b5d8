#include "ui/forms/ItemSheet.h"

#include "base/CommandLine.h"
#include "platform/Desktop.h"
#include "platform/ErrorHandler.h"
#include "platform/SheetWindowKind.h"
#include "ui/artwork/FieldPalette.h"
#include "ui/artwork/SheetArtwork.h"
#include "ui/artwork/SheetFont.h"
#include "ui/artwork/SheetPictures.h"
#include "ui/widgets/BonusListBox.h"
#include "ui/widgets/ChoiceBox.h"
#include "ui/widgets/DescriptionBox.h"
#include "ui/widgets/DigitEdit.h"
#include "ui/widgets/HoverButton.h"
#include "ui/widgets/SheetBackground.h"

#include <QComboBox>
#include <QLabel>
#include <QScreen>

namespace {

constexpr int kComboHeight = 21;

const char* const kHoverButtonNames[] = {"addBonusButton", "editBonusButton", "removeBonusButton", "saveButton",
                                         "exitButton"};
// What a screen reader calls each command: the words its painted caption shows.
const char* const kCommandNames[] = {"Add Bonus", "Edit Bonus", "Remove Bonus", "Save", "Exit"};

const char* const kInitialDescription[] = {
    "Write description of current item, this ", "desciption will appear when player ",
    "select this item in game. Player like ", "to know story or explanation of an ", "item..."};

QComboBox* MakeChoice(const char* name, int left, int top, QWidget* parent) {
    auto* choice = new ChoiceBox(QLatin1String(name), parent);
    choice->setGeometry(left, top, 199, kComboHeight);
    return choice;
}

} // namespace

ItemSheet::ItemSheet(Desktop& desktop, const std::vector<std::string>& arguments, QWidget* parent)
    : QWidget(parent, SheetWindowKind()), m_desktop(desktop) {
    setObjectName(QStringLiteral("itemSheet"));
    setWindowTitle(QStringLiteral("Quorvane - Brindlework item editor"));
    setFixedSize(SheetArtwork::kSheetSize);
    setFont(SheetFont());
    BuildControls();
    ConnectHandlers();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    TakeCommandLine(arguments);
}

ItemSheet::~ItemSheet() = default;

void ItemSheet::BuildControls() {
    const SheetPictures pictures = SheetPictures::ForScale(devicePixelRatioF());
    m_background = new SheetBackground(pictures.sheet, this);
    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_nameLabel->setGeometry(232, 16, 201, 17);
    m_nameLabel->setAutoFillBackground(true);
    m_nameLabel->setTextFormat(Qt::PlainText);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("icon"));
    m_icon->setGeometry(25, 25, 40, 40);
    m_icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BuildHoverButtons(pictures);
    m_typeBox = MakeChoice("typeBox", 232, 56, this);
    for (const auto& type : ItemVocabulary::ItemTypes())
        m_typeBox->addItem(QString::fromStdString(type));
    m_bonusList = new BonusListBox(this);
    m_bonusList->setObjectName(QStringLiteral("bonusList"));
    m_bonusList->setGeometry(232, 224, 209, 185);
    m_classBox = MakeChoice("classBox", 232, 96, this);
    m_descriptionBox = new DescriptionBox(this);
    m_descriptionBox->setGeometry(16, 152, 193, 257);
    m_priceField = new DigitEdit(QStringLiteral("priceField"), this);
    m_priceField->setGeometry(318, 155, 81, 16);
    m_stackField = new DigitEdit(QStringLiteral("stackField"), this);
    m_stackField->setGeometry(531, 154, 81, 17);
    // The tab order follows the sheet: type, bonuses, class, description, price, stack.
    setTabOrder(m_typeBox, m_bonusList);
    setTabOrder(m_bonusList, m_classBox);
    setTabOrder(m_classBox, m_descriptionBox);
    setTabOrder(m_descriptionBox, m_priceField);
    setTabOrder(m_priceField, m_stackField);
    // Then the commands, in the order the sheet shows them, so that the keyboard alone reaches every one.
    QWidget* previous = m_stackField;
    for (HoverButton* command : m_commandButtons) {
        setTabOrder(previous, command);
        previous = command;
    }
    // The sheet opens with the type chosen for typing, as the first of its fields.
    m_typeBox->setFocus();
    m_priceField->setText(QStringLiteral("0"));
    m_stackField->setText(QStringLiteral("1"));
    // Each field stands on its painted white box and is named after the label painted beside it.
    const std::pair<QWidget*, const char*> fields[] = {
        {m_nameLabel, "Name"},          {m_typeBox, "Type"},
        {m_classBox, "Avatar Class"},   {m_descriptionBox, "Description"},
        {m_priceField, "Price"},        {m_stackField, "Stack"},
        {m_bonusList, "Item Use Bonus"}};
    const QPalette fieldPalette = FieldPalette(palette());
    for (const auto& [field, name] : fields) {
        field->setPalette(fieldPalette);
        field->setAccessibleName(QLatin1String(name));
    }
}

void ItemSheet::ShowSheetDescription() {
    QStringList initial;
    for (const char* line : kInitialDescription)
        initial.append(QLatin1String(line));
    m_descriptionBox->SetLines(initial);
}

void ItemSheet::BuildHoverButtons(const SheetPictures& pictures) {
    for (int i = 0; i < static_cast<int>(m_commandButtons.size()); ++i) {
        m_commandButtons[i] = new HoverButton(QLatin1String(kHoverButtonNames[i]), QLatin1String(kCommandNames[i]),
                                              SheetArtwork::CaptionButtonRect(i).size(), this);
        m_commandButtons[i]->SetPicture(pictures.litCaptions[i], pictures.litOrigins[i]);
        connect(m_commandButtons[i], &HoverButton::pointerMovedOutsideLit, this, &ItemSheet::PointerMovedOverSheet);
    }
    connect(m_commandButtons[0], &HoverButton::clicked, this, Guarded(m_desktop, this, &ItemSheet::AddBonus));
    connect(m_commandButtons[1], &HoverButton::clicked, this, Guarded(m_desktop, this, &ItemSheet::EditBonus));
    connect(m_commandButtons[2], &HoverButton::clicked, this, Guarded(m_desktop, this, &ItemSheet::RemoveBonus));
    connect(m_commandButtons[3], &HoverButton::clicked, this, Guarded(m_desktop, this, &ItemSheet::Save));
    connect(m_commandButtons[4], &HoverButton::clicked, this, Guarded(m_desktop, this, &ItemSheet::Exit));
}

void ItemSheet::ConnectHandlers() {
    connect(m_background, &SheetBackground::pointerMoved, this, &ItemSheet::PointerMovedOverSheet);
    connect(m_bonusList, &BonusListBox::pointerMoved, this, &ItemSheet::HideHoverButtons);
    // A double click anywhere on the list edits the selected entry, as the Edit command does.
    connect(m_bonusList, &BonusListBox::doubleClicked, this, Guarded(m_desktop, this, &ItemSheet::EditBonus));
    connect(m_typeBox, QOverload<int>::of(&QComboBox::activated), this,
            Guarded(m_desktop, this, &ItemSheet::TypeChosen));
    connect(m_classBox, QOverload<int>::of(&QComboBox::activated), this,
            Guarded(m_desktop, this, &ItemSheet::ClassChosen));
}

void ItemSheet::TakeCommandLine(const std::vector<std::string>& arguments) {
    SelectType(0);
    for (int i = 0; i < static_cast<int>(m_commandButtons.size()); ++i)
        m_commandButtons[i]->move(SheetArtwork::CaptionButtonRect(i).topLeft());
    const auto commandLine = ReadCommandLine(arguments, PathStyle::Native());
    if (!commandLine) {
        m_desktop.ShowMessage(this,
                              QStringLiteral("Use \"Quorvane\" to run this program!\rBrindlework is started by the "
                                             "Quorvane suite with the project or item to edit."));
        m_desktop.TerminateApplication();
        return;
    }
    m_item.projectRoot = commandLine->ProjectRoot;
    m_item.itemName = commandLine->ItemName;
}

void ItemSheet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The sheet is painted first; loading messages and the picture dialog then open over it.
    QMetaObject::invokeMethod(this, Guarded(m_desktop, this, &ItemSheet::OpenOrStartItem), Qt::QueuedConnection);
}

void ItemSheet::BringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void ItemSheet::PointerMovedOverSheet(const QPoint& point) {
    HideHoverButtons();
    for (HoverButton* button : m_commandButtons) {
        if (button->StrictlyContains(point)) {
            button->SetPointedAt(true);
            return;
        }
    }
}

void ItemSheet::HideHoverButtons() {
    for (HoverButton* button : m_commandButtons)
        button->SetPointedAt(false);
}

ItemVocabulary::TypeIndex ItemSheet::SelectedType() const {
    const int index = m_typeBox->currentIndex();
    return index >= 0 ? ItemVocabulary::TypeIndex(index) : std::nullopt;
}

void ItemSheet::SelectType(ItemVocabulary::TypeIndex type) {
    m_typeBox->setCurrentIndex(type.value_or(-1));
}
