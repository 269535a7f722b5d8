// The item editor window: adding, editing and removing the item's bonuses through the bonus dialog.
#include "ui/forms/ItemSheet.h"

#include "platform/Desktop.h"
#include "ui/forms/BonusDialog.h"

#include <QComboBox>
#include <QListWidget>

namespace {

// Each list entry keeps the bytes it was read from, so an untouched entry is saved exactly as it was.
constexpr int kEntryBytesRole = Qt::UserRole;

// A row shows at most this many characters of its entry: no more fit the list, and drawing a row of megabytes
// takes seconds at every repaint.
constexpr qsizetype kLongestRow = 256;

// The list row of an entry: its text, cut short when too long for any row.
QString RowText(const std::string& bytes) {
    const QString text = TextCodec::FromSystem(bytes);
    return text.size() > kLongestRow ? text.left(kLongestRow) + QChar(0x2026) : text;
}

std::string EntryBytes(const QListWidgetItem* item) {
    const QByteArray bytes = item->data(kEntryBytesRole).toByteArray();
    const FileText loaded{bytes.toStdString(), RowText(bytes.toStdString())};
    return loaded.BytesFor(item->text());
}

} // namespace

void ItemSheet::AddBonusEntry(const std::string& bytes) {
    // Filled in before it joins the list: a change to an item in the list makes the list search for it, which made
    // loading many bonuses take time growing with their square.
    auto* item = new QListWidgetItem(RowText(bytes));
    item->setData(kEntryBytesRole, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    m_bonusList->addItem(item);
}

std::vector<std::string> ItemSheet::BonusEntries() const {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(m_bonusList->count()));
    for (int row = 0; row < m_bonusList->count(); ++row)
        entries.push_back(EntryBytes(m_bonusList->item(row)));
    return entries;
}

QListWidgetItem* ItemSheet::SelectedBonus() const {
    QListWidgetItem* item = m_bonusList->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

bool ItemSheet::RunBonusDialog(BonusDialog& dialog, const QString& caption) {
    dialog.SetConfirmCaption(caption);
    dialog.SetItemType(ItemVocabulary::DialogTypeIndex(SelectedType()));
    return dialog.RunModal();
}

void ItemSheet::AddBonus() {
    if (!ItemVocabulary::AllowsBonuses(SelectedType())) {
        m_desktop.ShowMessage(this, QStringLiteral("Can not add bonus to this certain item type"));
        return;
    }
    if (!m_bonusDialog)
        return;
    BonusDialog& dialog = m_bonusDialog();
    if (RunBonusDialog(dialog, QStringLiteral("ADD BONUS")))
        AddBonusEntry(TextCodec::ToSystem(dialog.ResultEntry()));
}

void ItemSheet::EditBonus() {
    QListWidgetItem* item = SelectedBonus();
    if (!item || item->text().isEmpty() || !m_bonusDialog)
        return;
    // A hand-edited value that is no number stops the edit here, before the dialog opens.
    const auto decoded = ItemVocabulary::Decode(EntryBytes(item));
    BonusDialog& dialog = m_bonusDialog();
    dialog.RequestKind(TextCodec::FromSystem(decoded.kind));
    if (decoded.value)
        dialog.SetPlusValue(*decoded.value);
    if (!RunBonusDialog(dialog, QStringLiteral("EDIT BONUS")))
        return;
    const std::string entry = TextCodec::ToSystem(dialog.ResultEntry());
    item->setText(RowText(entry));
    item->setData(kEntryBytesRole, QByteArray(entry.data(), static_cast<qsizetype>(entry.size())));
}

void ItemSheet::RemoveBonus() {
    delete SelectedBonus();
    // The list would select the next entry by itself, and a second Remove would then take one never picked.
    m_bonusList->setCurrentRow(-1);
    m_bonusList->clearSelection();
}
