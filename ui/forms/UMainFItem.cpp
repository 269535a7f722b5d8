// The item editor window: loading an existing item, starting a new one, and the wearable check.
#include "ui/forms/UMainF.h"

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

void TForm1::FormShow() {
    if (!m_itemName.empty())
        LoadExistingItem();
    else
        StartNewItem();
}

// One file at a time, each told about at its step: a file that is missing or cannot be read costs only its part.
void TForm1::LoadExistingItem() {
    Label3->setText(TextCodec::FromSystem(m_itemName));
    if (const auto server = Reported(LoadServerData(m_projectRoot, m_itemName)))
        ShowServerData(*server);
    if (const auto description = Reported(LoadDescription(m_projectRoot, m_itemName)))
        ShowDescription(description->bytes);
    if (const auto icon = Reported(FindIcon(m_projectRoot, m_itemName)))
        ShowIcon(*icon);
}

template <typename Content> std::optional<Content> TForm1::Reported(LoadStep<Content> step) {
    if (step.unreadFile)
        m_unreadFiles.push_back(*step.unreadFile);
    if (!step.message.empty())
        m_desktop.ShowMessage(this, TextCodec::FromSystem(step.message));
    return std::move(step.content);
}

void TForm1::ShowServerData(const ServerData& server) {
    SelectType(server.type);
    FillClassChoice(server.classList);
    const auto& names = m_classNames;
    const auto found = server.className ? std::find(names.begin(), names.end(), *server.className) : names.end();
    ComboBox2->setCurrentIndex(found == names.end() ? -1 : static_cast<int>(found - names.begin()));
    m_loadedPrice = FileText::FromBytes(server.price);
    m_loadedStack = FileText::FromBytes(server.stack);
    m_loadedPrice.ShowIn(*Edit1);
    m_loadedStack.ShowIn(*Edit2);
    for (const std::string& bonus : server.bonuses)
        AddBonusEntry(bonus);
}

void TForm1::ShowDescription(const std::string& bytes) {
    const TextCodec::DecodedText description = TextCodec::Decode(bytes);
    m_descriptionEncoding = description.encoding;
    Memo1->SetText(description.text);
}

void TForm1::StartNewItem() {
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
    ComboBox2->setCurrentIndex(0);
    const QFileInfo picture(*picked);
    ShowIcon(NativeBytes(picture.absoluteFilePath()));
    m_itemName = StripExtension(TextCodec::ToSystem(picture.fileName()));
    Label3->setText(TextCodec::FromSystem(m_itemName));
    m_iconSourceFolder = AddTrailingBackslash(NativeBytes(picture.absolutePath()));
    m_pickedIcon = NativeBytes(picture.absoluteFilePath());
}

// Why the picture of this file name cannot start a new item: the name it gives is empty, holds characters that file
// names in the system's code page cannot, or is an existing item's, which would be replaced. Empty when it can.
QString TForm1::NewItemNameProblem(const QString& pictureName) const {
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

void TForm1::FillClassChoice(const std::vector<std::string>& classNames) {
    m_classNames = classNames;
    ComboBox2->clear();
    for (const std::string& name : m_classNames)
        ComboBox2->addItem(TextCodec::FromSystem(name));
}

void TForm1::ShowIcon(const std::string& path) {
    const ItemIcon icon = ReadItemIcon(path);
    if (!icon.problem.isEmpty())
        m_desktop.ShowMessage(this, icon.problem);
    Image1->setPixmap(icon.picture);
}

std::string TForm1::SelectedClassName() const {
    const int index = ComboBox2->currentIndex();
    return index >= 0 && index < static_cast<int>(m_classNames.size()) ? m_classNames[index] : std::string();
}

void TForm1::ComboBox1Change() {
    RunWearableCheck();
}

void TForm1::ComboBox2Change() {
    RunWearableCheck();
}

void TForm1::RunWearableCheck() {
    const std::string warning =
        ItemVocabulary::WearableCheck(m_projectRoot, m_itemName, SelectedType(), SelectedClassName());
    if (warning.empty())
        return;
    m_desktop.ShowMessage(this, TextCodec::FromSystem(warning));
    SelectType(0);
}
