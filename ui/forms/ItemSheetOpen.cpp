// The item editor window: loading an existing item, starting a new one, and the wearable check.
#include "ui/forms/ItemSheet.h"

#include "base/FileSystem.h"
#include "base/Os.h"
#include "base/UMisc.h"
#include "itemdata/ItemFiles.h"
#include "platform/Desktop.h"
#include "ui/widgets/DescriptionBox.h"
#include "ui/widgets/DigitEdit.h"
#include "ui/widgets/ItemIcon.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

namespace {

std::string NativeBytes(const QString& path) {
    return TextCodec::ToSystem(QDir::toNativeSeparators(path));
}

} // namespace

void ItemSheet::OpenOrStartItem() {
    if (!m_itemName.empty())
        LoadExistingItem();
    else
        StartNewItem();
}

// One file at a time, each told about at its step: a file that is missing or cannot be read costs only its part.
void ItemSheet::LoadExistingItem() {
    m_nameLabel->setText(TextCodec::FromSystem(m_itemName));
    if (const auto server = Reported(LoadServerData(m_projectRoot, m_itemName)))
        ShowServerData(*server);
    if (const auto description = Reported(LoadDescription(m_projectRoot, m_itemName)))
        ShowDescription(description->bytes);
    if (const auto icon = Reported(FindIcon(m_projectRoot, m_itemName)))
        ShowIcon(*icon);
}

template <typename Content> std::optional<Content> ItemSheet::Reported(LoadStep<Content> step) {
    if (step.unreadFile)
        m_unreadFiles.push_back(*step.unreadFile);
    if (!step.message.empty())
        m_desktop.ShowMessage(this, TextCodec::FromSystem(step.message));
    return std::move(step.content);
}

void ItemSheet::ShowServerData(const ServerData& server) {
    SelectType(server.type);
    FillClassChoice(server.classList);
    const auto& names = m_classNames;
    const auto found = server.className ? std::find(names.begin(), names.end(), *server.className) : names.end();
    m_classBox->setCurrentIndex(found == names.end() ? -1 : static_cast<int>(found - names.begin()));
    m_loadedPrice = FileText::FromBytes(server.price);
    m_loadedStack = FileText::FromBytes(server.stack);
    m_loadedPrice.ShowIn(*m_priceField);
    m_loadedStack.ShowIn(*m_stackField);
    for (const std::string& bonus : server.bonuses)
        AddBonusEntry(bonus);
}

void ItemSheet::ShowDescription(const std::string& bytes) {
    const TextCodec::DecodedText description = TextCodec::Decode(bytes);
    m_descriptionEncoding = description.encoding;
    m_descriptionBox->SetText(description.text);
}

void ItemSheet::StartNewItem() {
    // A project copied from Windows may have its pictures in "Resources" or "resources".
    QString folder = TextCodec::FromSystem(FileSystem::StoredPath(m_projectRoot + "RESOURCES") + Os::kPathSeparator);
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
    FillClassChoice(ItemVocabulary::ClassList(m_projectRoot));
    m_classBox->setCurrentIndex(0);
    const QFileInfo picture(*picked);
    ShowIcon(NativeBytes(picture.absoluteFilePath()));
    m_itemName = StripExtension(TextCodec::ToSystem(picture.fileName()));
    m_nameLabel->setText(TextCodec::FromSystem(m_itemName));
    m_iconSourceFolder = AddTrailingBackslash(NativeBytes(picture.absolutePath()));
    m_pickedIcon = NativeBytes(picture.absoluteFilePath());
}

// Why the picture of this file name cannot start a new item: the name it gives is empty, holds characters that file
// names in the system's code page cannot, or is an existing item's, which would be replaced. Empty when it can.
QString ItemSheet::NewItemNameProblem(const QString& pictureName) const {
    const QString notHeld = TextCodec::CharactersNotHeld(pictureName, TextCodec::Encoding::System);
    if (!notHeld.isEmpty())
        return QStringLiteral("The picture's name %1 holds characters that the system's code page cannot hold (%2), "
                              "so no item can be named after it. Please pick another picture.")
            .arg(pictureName, notHeld);
    const std::string itemName = StripExtension(TextCodec::ToSystem(pictureName));
    if (itemName.empty())
        return QStringLiteral("A picture whose name starts with a dot or has no dot gives no item name. "
                              "Please pick another picture.");
    if (ItemNameTaken(m_projectRoot, itemName))
        return QStringLiteral("An item named %1 already exists in this project. Please pick another picture.")
            .arg(TextCodec::FromSystem(itemName));
    return QString();
}

void ItemSheet::FillClassChoice(const std::vector<std::string>& classNames) {
    m_classNames = classNames;
    m_classBox->clear();
    for (const std::string& name : m_classNames)
        m_classBox->addItem(TextCodec::FromSystem(name));
}

void ItemSheet::ShowIcon(const std::string& path) {
    const ItemIcon icon = ReadItemIcon(path);
    if (!icon.problem.isEmpty())
        m_desktop.ShowMessage(this, icon.problem);
    m_icon->setPixmap(icon.picture);
}

std::string ItemSheet::SelectedClassName() const {
    const int index = m_classBox->currentIndex();
    return index >= 0 && index < static_cast<int>(m_classNames.size()) ? m_classNames[index] : std::string();
}

void ItemSheet::TypeChosen() {
    RunWearableCheck();
}

void ItemSheet::ClassChosen() {
    RunWearableCheck();
}

void ItemSheet::RunWearableCheck() {
    const std::string warning =
        ItemVocabulary::WearableCheck(m_projectRoot, m_itemName, SelectedType(), SelectedClassName());
    if (warning.empty())
        return;
    m_desktop.ShowMessage(this, TextCodec::FromSystem(warning));
    SelectType(0);
}
