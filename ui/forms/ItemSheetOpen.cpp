// The item editor window: loading an existing item, starting a new one, and the wearable check.
#include "ui/forms/ItemSheet.h"

#include "base/FileNames.h"
#include "base/FileSystem.h"
#include "base/Os.h"
#include "itemdata/ItemFiles.h"
#include "platform/Desktop.h"
#include "ui/widgets/DescriptionBox.h"
#include "ui/widgets/DigitEdit.h"
#include "ui/widgets/ItemIcon.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScopeGuard>

#include <utility>

#include <algorithm>

void ItemSheet::OpenOrStartItem() {
    // The box gets the sheet's own description only when no file gave one, however the opening ends: an opened
    // item's description is then the only text laid out before the sheet first shows.
    const auto sheetDescriptionUnlessLoaded = qScopeGuard([this] {
        if (!m_item.description)
            ShowSheetDescription();
    });
    if (!m_item.itemName.empty())
        OpenExistingItem();
    else
        StartNewItem();
}

// Each file that is missing or cannot be read costs only its part, and is told about in the order of the files.
void ItemSheet::OpenExistingItem() {
    OpenedItem opened = OpenItem(m_item.projectRoot, m_item.itemName);
    m_item = std::move(opened.item);
    ShowItem();
    for (const std::string& message : opened.messages)
        m_desktop.ShowMessage(this, TextCodec::FromName(message));
}

// The item's fields into the controls; a part that no file gave keeps what the sheet shows.
void ItemSheet::ShowItem() {
    m_nameLabel->setText(TextCodec::FromName(m_item.itemName));
    m_icon->setAccessibleName(m_nameLabel->text());
    SelectType(m_item.type);
    FillClassChoice();
    m_loadedPrice = FileText::FromBytes(m_item.price);
    m_loadedStack = FileText::FromBytes(m_item.stack);
    m_loadedPrice.ShowIn(*m_priceField);
    m_loadedStack.ShowIn(*m_stackField);
    for (const std::string& bonus : m_item.bonuses)
        AddBonusEntry(bonus);
    if (m_item.description) {
        TextCodec::DecodedText description = TextCodec::Decode(*m_item.description);
        // The box holds the description from here on; the file's bytes would only double a large one.
        m_item.description->clear();
        m_item.description->shrink_to_fit();
        m_descriptionEncoding = description.encoding;
        m_descriptionBox->SetText(std::move(description.text));
    }
    if (m_item.iconFile)
        ShowIcon(*m_item.iconFile);
}

void ItemSheet::StartNewItem() {
    // A project copied from Windows may have its pictures in "Resources" or "resources".
    QString folder = TextCodec::FromName(FileSystem::StoredPath(m_item.projectRoot + "RESOURCES") + Os::kPathSeparator);
    std::optional<QString> picked;
    while ((picked = m_desktop.PickPicture(this, folder))) {
        const QString problem = NewItemNameProblem(QFileInfo(*picked).fileName());
        if (problem.isEmpty())
            break;
        m_desktop.ShowMessage(this, problem);
        folder = QFileInfo(*picked).absolutePath();
    }
    if (!picked) {
        m_desktop.TerminateApplication();
        return;
    }
    // The one place where the picked picture's path turns from the desktop's text into the item's names.
    const QFileInfo picture(*picked);
    m_item.pickedPicture = TextCodec::ToName(QDir::toNativeSeparators(picture.absoluteFilePath()));
    m_item.itemName = StripExtension(TextCodec::ToName(picture.fileName()));
    m_item.classList = ItemVocabulary::ClassList(m_item.projectRoot);
    m_item.className = m_item.classList.front();
    m_item.iconFile = m_item.pickedPicture;
    ShowItem();
}

// Why the picture of this file name cannot start a new item: the name it gives is empty, holds characters that file
// names in the system's code page cannot, or is an existing item's, which would be replaced. Empty when it can.
QString ItemSheet::NewItemNameProblem(const QString& pictureName) const {
    const QString notHeld = TextCodec::CharactersNotHeld(pictureName, TextCodec::Encoding::System);
    if (!notHeld.isEmpty())
        return QStringLiteral("The picture's name %1 holds characters that the system's code page cannot hold (%2), "
                              "so no item can be named after it. Please pick another picture.")
            .arg(pictureName, notHeld);
    const std::string itemName = StripExtension(TextCodec::ToName(pictureName));
    if (itemName.empty())
        return QStringLiteral("A picture whose name starts with a dot or has no dot gives no item name. "
                              "Please pick another picture.");
    if (ItemNameTaken(m_item.projectRoot, itemName))
        return QStringLiteral("An item named %1 already exists in this project. Please pick another picture.")
            .arg(TextCodec::FromName(itemName));
    return QString();
}

void ItemSheet::FillClassChoice() {
    m_classBox->clear();
    for (const std::string& name : m_item.classList)
        m_classBox->addItem(TextCodec::FromName(name));
    const auto& names = m_item.classList;
    const auto chosen = m_item.className ? std::find(names.begin(), names.end(), *m_item.className) : names.end();
    m_classBox->setCurrentIndex(chosen == names.end() ? -1 : static_cast<int>(chosen - names.begin()));
}

void ItemSheet::ShowIcon(const std::string& path) {
    const ItemIcon icon = ReadItemIcon(path);
    if (!icon.problem.isEmpty())
        m_desktop.ShowMessage(this, icon.problem);
    m_icon->setPixmap(icon.picture);
}

std::optional<std::string> ItemSheet::SelectedClass() const {
    const int index = m_classBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(m_item.classList.size()))
        return std::nullopt;
    return m_item.classList[static_cast<std::size_t>(index)];
}

void ItemSheet::TypeChosen() {
    RunWearableCheck();
}

void ItemSheet::ClassChosen() {
    RunWearableCheck();
}

void ItemSheet::RunWearableCheck() {
    const std::string warning = ItemVocabulary::WearableCheck(m_item.projectRoot, m_item.itemName, SelectedType(),
                                                              SelectedClass().value_or(""));
    if (warning.empty())
        return;
    m_desktop.ShowMessage(this, TextCodec::FromName(warning));
    SelectType(0);
}
