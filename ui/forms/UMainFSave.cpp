// The item editor window: Save and Exit.
#include "ui/forms/UMainF.h"

#include "itemdata/ItemFiles.h"
#include "platform/Desktop.h"
#include "ui/forms/DesktopIconCopier.h"
#include "ui/widgets/DescriptionBox.h"
#include "ui/widgets/DigitEdit.h"

namespace {

// Each fix-up shows its message, then the fixed text in its field, before the next check runs.
void FixUp(std::optional<std::string> (*fixUp)(std::string&), FileText& loaded, QLineEdit& field, Desktop& desktop,
           std::string& bytes) {
    const auto message = fixUp(bytes);
    if (!message)
        return;
    desktop.ShowMessage(field.window(), TextCodec::FromSystem(*message));
    loaded = FileText::FromBytes(bytes);
    loaded.ShowIn(field);
}

} // namespace

void TForm1::Image_SAVEClick() {
    RefuseToReplaceUnreadFiles(m_unreadFiles);
    std::string price = m_loadedPrice.BytesFor(Edit1->text());
    FixUp(FixUpPrice, m_loadedPrice, *Edit1, m_desktop, price);
    std::string stack = m_loadedStack.BytesFor(Edit2->text());
    FixUp(FixUpStack, m_loadedStack, *Edit2, m_desktop, stack);
    ItemToSave item;
    item.projectRoot = m_projectRoot;
    item.itemName = m_itemName;
    item.type = SelectedType();
    item.className = SelectedClassName();
    item.price = price;
    item.stack = stack;
    item.bonuses = BonusEntries();
    item.description = TextCodec::EncodeLines(Memo1->DisplayedLines(), m_descriptionEncoding);
    item.pickedIcon = m_pickedIcon;
    item.unreadFiles = m_unreadFiles;
    DesktopIconCopier iconCopier(m_desktop, this);
    SaveItem(item, iconCopier);
    close();
}

void TForm1::Image_EXITClick() {
    close();
}
