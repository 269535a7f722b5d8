// The item editor window: Save and Exit.
#include "UMainF.h"

#include "DescriptionBox.h"
#include "DesktopIconCopier.h"
#include "DigitEdit.h"
#include "ItemFiles.h"

void TForm1::Image_SAVEClick() {
    std::string price = m_loadedPrice.BytesFor(Edit1->text());
    std::string stack = m_loadedStack.BytesFor(Edit2->text());
    const std::vector<std::string> fixUpMessages = FixUpPriceAndStack(price, stack);
    for (const std::string& message : fixUpMessages)
        m_desktop.ShowMessage(TextCodec::FromSystem(message));
    if (!fixUpMessages.empty()) {
        m_loadedPrice = FileText::FromBytes(price);
        m_loadedStack = FileText::FromBytes(stack);
        m_loadedPrice.ShowIn(*Edit1);
        m_loadedStack.ShowIn(*Edit2);
    }
    ItemToSave item;
    item.projectRoot = m_projectRoot;
    item.itemName = m_itemName;
    item.type = SelectedType();
    item.className = SelectedClassName();
    item.price = price;
    item.stack = stack;
    item.bonuses = BonusEntries();
    for (const QString& line : Memo1->DisplayedLines())
        item.descriptionLines.push_back(TextCodec::Encode(line, m_descriptionEncoding));
    item.pickedIcon = m_pickedIcon;
    DesktopIconCopier iconCopier(m_desktop, this);
    SaveItem(item, iconCopier);
    close();
}

void TForm1::Image_EXITClick() {
    close();
}
