// The item editor window: adding, editing and removing the item's bonuses through the bonus dialog.
#include "ui/forms/ItemSheet.h"

#include "platform/Desktop.h"
#include "ui/forms/BonusDialog.h"
#include "ui/widgets/BonusListBox.h"

#include <QComboBox>

namespace {

// A row shows at most this many characters of its entry: no more fit the list, and drawing a row of megabytes
// takes seconds at every repaint.
constexpr qsizetype kLongestRow = 256;

// The list row of an entry: its text, cut short when too long for any row.
QString RowText(const std::string& bytes) {
    const QString text = TextCodec::FromSystem(bytes);
    return text.size() > kLongestRow ? text.left(kLongestRow) + QChar(0x2026) : text;
}

} // namespace

void ItemSheet::AddBonusEntry(const std::string& bytes) {
    m_bonusList->Append({RowText(bytes), bytes});
}

std::vector<std::string> ItemSheet::BonusEntries() const {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(m_bonusList->Count()));
    for (int row = 0; row < m_bonusList->Count(); ++row)
        entries.push_back(m_bonusList->At(row).bytes);
    return entries;
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
    const int row = m_bonusList->SelectedRow();
    if (row < 0 || m_bonusList->At(row).text.isEmpty() || !m_bonusDialog)
        return;
    // A hand-edited value that is no number stops the edit here, before the dialog opens.
    const auto decoded = ItemVocabulary::Decode(m_bonusList->At(row).bytes);
    BonusDialog& dialog = m_bonusDialog();
    dialog.RequestKind(TextCodec::FromSystem(decoded.kind));
    if (decoded.value)
        dialog.SetPlusValue(*decoded.value);
    if (!RunBonusDialog(dialog, QStringLiteral("EDIT BONUS")))
        return;
    const std::string entry = TextCodec::ToSystem(dialog.ResultEntry());
    m_bonusList->Replace(row, {RowText(entry), entry});
}

void ItemSheet::RemoveBonus() {
    if (m_bonusList->SelectedRow() >= 0)
        m_bonusList->Remove(m_bonusList->SelectedRow());
}
