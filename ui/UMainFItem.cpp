// The item editor window: loading an existing item, starting a new one, and the wearable check.
#include "UMainF.h"

#include "DescriptionBox.h"
#include "Desktop.h"
#include "DigitEdit.h"
#include "ItemFiles.h"
#include "ItemIcon.h"
#include "Os.h"
#include "UMisc.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

#include <algorithm>

namespace {

QString Shown(const std::string& bytes) {
    return TextCodec::FromSystem(bytes);
}

std::string NativeBytes(const QString& path) {
    return TextCodec::ToSystem(QDir::toNativeSeparators(path));
}

std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += '\n';
        joined += lines[i];
    }
    return joined;
}

} // namespace

void TForm1::FormShow() {
    if (!m_itemName.empty())
        LoadExistingItem();
    else
        StartNewItem();
}

void TForm1::LoadExistingItem() {
    Label3->setText(Shown(m_itemName));
    const LoadedItem item = LoadItem(m_projectRoot, m_itemName);
    ShowLoadedItem(item);
    for (const std::string& message : item.messages)
        m_desktop.ShowMessage(Shown(message));
    if (item.iconPath)
        ShowIcon(Shown(*item.iconPath));
}

void TForm1::ShowLoadedItem(const LoadedItem& item) {
    if (item.server) {
        SelectType(item.server->type);
        FillClassChoice(item.server->classList);
        const auto& names = m_classNames;
        const auto found =
            item.server->className ? std::find(names.begin(), names.end(), *item.server->className) : names.end();
        ComboBox2->setCurrentIndex(found == names.end() ? -1 : static_cast<int>(found - names.begin()));
        m_loadedPrice = FileText::FromBytes(item.server->price);
        m_loadedStack = FileText::FromBytes(item.server->stack);
        m_loadedPrice.ShowIn(*Edit1);
        m_loadedStack.ShowIn(*Edit2);
        for (const std::string& bonus : item.server->bonuses)
            AddBonusEntry(bonus);
    }
    if (item.description) {
        const TextCodec::DecodedText description = TextCodec::Decode(JoinedLines(*item.description));
        m_descriptionEncoding = description.encoding;
        Memo1->SetText(description.text);
    }
}

void TForm1::StartNewItem() {
    const auto picked = m_desktop.PickPicture(this, Shown(m_projectRoot + "RESOURCES" + Os::kPathSeparator));
    if (!picked) {
        m_desktop.TerminateApplication();
        return;
    }
    FillClassChoice(ItemVocabulary::ClassList(m_projectRoot));
    ComboBox2->setCurrentIndex(0);
    ShowIcon(*picked);
    const QFileInfo picture(*picked);
    m_itemName = StripExtension(TextCodec::ToSystem(picture.fileName()));
    Label3->setText(Shown(m_itemName));
    m_iconSourceFolder = AddTrailingBackslash(NativeBytes(picture.absolutePath()));
    m_pickedIcon = NativeBytes(picture.absoluteFilePath());
}

void TForm1::FillClassChoice(const std::vector<std::string>& classNames) {
    m_classNames = classNames;
    ComboBox2->clear();
    for (const std::string& name : m_classNames)
        ComboBox2->addItem(Shown(name));
}

void TForm1::ShowIcon(const QString& path) {
    const QPixmap icon = TransparentIcon(path);
    if (icon.isNull())
        m_desktop.ShowMessage(QStringLiteral("Item ICON file = ") + path + QStringLiteral(" is not a picture!"));
    Image1->setPixmap(icon);
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
    m_desktop.ShowMessage(Shown(warning));
    SelectType(0);
}
