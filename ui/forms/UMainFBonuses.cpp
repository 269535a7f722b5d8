// The item editor window: adding, editing and removing the item's bonuses through the bonus dialog.
#include "ui/forms/UMainF.h"

#include "platform/Desktop.h"
#include "ui/forms/UBonusF.h"

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

void TForm1::AddBonusEntry(const std::string& bytes) {
    // Filled in before it joins the list: a change to an item in the list makes the list search for it, which made
    // loading many bonuses take time growing with their square.
    auto* item = new QListWidgetItem(RowText(bytes));
    item->setData(kEntryBytesRole, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    ListBox1->addItem(item);
}

std::vector<std::string> TForm1::BonusEntries() const {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int row = 0; row < ListBox1->count(); ++row)
        entries.push_back(EntryBytes(ListBox1->item(row)));
    return entries;
}

QListWidgetItem* TForm1::SelectedBonus() const {
    QListWidgetItem* item = ListBox1->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

bool TForm1::RunBonusDialog(const QString& caption) {
    m_bonusDialog->SetConfirmCaption(caption);
    m_bonusDialog->SetBonusDialogMode(ItemVocabulary::DialogTypeIndex(SelectedType()));
    return m_bonusDialog->RunModal();
}

void TForm1::Image_AddClick() {
    if (!ItemVocabulary::AllowsBonuses(SelectedType())) {
        m_desktop.ShowMessage(this, QStringLiteral("Can not add bonus to this certain item type"));
        return;
    }
    if (m_bonusDialog && RunBonusDialog(QStringLiteral("ADD BONUS")))
        AddBonusEntry(TextCodec::ToSystem(m_bonusDialog->ResultEntry()));
}

void TForm1::Image_EditClick() {
    QListWidgetItem* item = SelectedBonus();
    if (!item || item->text().isEmpty() || !m_bonusDialog)
        return;
    // A hand-edited value that is no number stops the edit here, before the dialog opens.
    const auto decoded = ItemVocabulary::Decode(EntryBytes(item));
    m_bonusDialog->RequestKind(TextCodec::FromSystem(decoded.kind));
    if (decoded.value)
        m_bonusDialog->SetPlusValue(*decoded.value);
    if (!RunBonusDialog(QStringLiteral("EDIT BONUS")))
        return;
    const std::string entry = TextCodec::ToSystem(m_bonusDialog->ResultEntry());
    item->setText(RowText(entry));
    item->setData(kEntryBytesRole, QByteArray(entry.data(), static_cast<qsizetype>(entry.size())));
}

void TForm1::Image_RemoveClick() {
    delete SelectedBonus();
    // The list would select the next entry by itself, and a second Remove would then take one never picked.
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
}
