// The item editor window: Save and Exit.
#include "ui/forms/ItemSheet.h"

#include "itemdata/ItemFiles.h"
#include "platform/Desktop.h"
#include "ui/widgets/DescriptionBox.h"
#include "ui/widgets/DigitEdit.h"

#include <QLabel>

namespace {

// Each fix-up shows its message, then the fixed text in its field, before the next check runs.
void FixUp(std::optional<std::string> (*fixUp)(std::string&), FileText& loaded, QLineEdit& field, Desktop& desktop,
           std::string& bytes) {
    const auto message = fixUp(bytes);
    if (!message)
        return;
    desktop.ShowMessage(field.window(), TextCodec::FromName(*message));
    loaded = FileText::FromBytes(bytes);
    loaded.ShowIn(field);
}

QString EncodingName(TextCodec::Encoding encoding) {
    return encoding == TextCodec::Encoding::Windows1252 ? QStringLiteral("Windows-1252")
                                                        : QStringLiteral("the system's code page");
}

} // namespace

// Typed or pasted text that the description file's encoding cannot hold would be saved as "?": the user is told
// which characters, and changes the text, before anything is written.
bool ItemSheet::DescriptionCanBeSaved(const QString& description) {
    const QString notHeld = TextCodec::CharactersNotHeld(description, m_descriptionEncoding);
    if (notHeld.isEmpty())
        return true;
    QStringList characters;
    for (qsizetype i = 0; i < notHeld.size(); i += notHeld[i].isHighSurrogate() ? 2 : 1)
        characters.append(notHeld.mid(i, notHeld[i].isHighSurrogate() ? 2 : 1));
    m_desktop.ShowMessage(this, QStringLiteral("The description cannot be saved in \"%1\": its encoding, %2, cannot "
                                               "hold these characters: %3\rPlease change them and save again.")
                                    .arg(TextCodec::FromName(DescriptionFilePath(m_item.projectRoot, m_item.itemName)),
                                         EncodingName(m_descriptionEncoding), characters.join(QLatin1Char(' '))));
    return false;
}

void ItemSheet::Save() {
    RefuseToReplaceUnreadFiles(m_item.unreadFiles);
    const QString description = m_descriptionBox->DisplayedText();
    if (!DescriptionCanBeSaved(description))
        return;
    std::string price = m_loadedPrice.BytesFor(m_priceField->text());
    FixUp(FixUpPrice, m_loadedPrice, *m_priceField, m_desktop, price);
    std::string stack = m_loadedStack.BytesFor(m_stackField->text());
    FixUp(FixUpStack, m_loadedStack, *m_stackField, m_desktop, stack);
    EditedItem item = m_item;
    item.type = SelectedType();
    item.className = SelectedClass();
    item.price = price;
    item.stack = stack;
    item.bonuses = BonusEntries();
    item.description = TextCodec::Encode(description, m_descriptionEncoding);
    FileSystem::CopyProgress iconProgress;
    if (m_item.pickedPicture)
        iconProgress = m_desktop.ShowCopyProgress(this, m_nameLabel->text() + QStringLiteral(".BMP"));
    SaveItem(item, iconProgress);
    close();
}

void ItemSheet::Exit() {
    close();
}
