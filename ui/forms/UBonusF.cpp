#include "ui/forms/UBonusF.h"

#include "itemdata/ItemVocabulary.h"
#include "ui/artwork/BonusArtwork.h"
#include "ui/artwork/BonusDialogLook.h"
#include "ui/widgets/BonusKindBox.h"
#include "ui/widgets/BonusSpinEdit.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include <string>
#include <vector>

namespace {

constexpr int kSignWidth = 19;
constexpr int kSignHeight = 41;
constexpr int kGlyphSpacing = 6;

template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* Caption(const QString& text, const char* name, const QPoint& position, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    return Place(label, name, QRect(position, label->size()));
}

QLabel* Picture(const QPixmap& picture, const char* name, const QRect& geometry, QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setPixmap(picture);
    return Place(image, name, geometry);
}

void AddKinds(QComboBox& comboBox, const std::vector<std::string>& kinds) {
    for (const std::string& kind : kinds)
        comboBox.addItem(QString::fromStdString(kind));
}

} // namespace

TBonusF::TBonusF(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BonusF"));
    setWindowTitle(QStringLiteral("Item Bonus"));
    setFixedSize(362, 246);
    setFont(BonusDialogLook::HeavyFont(16));
    setStyleSheet(BonusDialogLook::StyleSheet());
}

bool TBonusF::event(QEvent* event) {
    // The controls are built when the dialog is first polished, just before it is first used, and not on the
    // polish request every new window posts itself: its heavy font and pictures then cost the start-up nothing.
    if (event->type() == QEvent::PolishRequest && !m_comboBox1)
        return true;
    if (event->type() == QEvent::Polish && !m_comboBox1)
        BuildDialog();
    return QDialog::event(event);
}

void TBonusF::BuildDialog() {
    BuildControls();
    BuildButtons();
    FormCreate();
    connect(m_comboBox1, &QComboBox::currentIndexChanged, this, &TBonusF::ComboBox1Change);
    connect(m_bitBtn1, &QPushButton::clicked, this, &TBonusF::BitBtn1Click);
    connect(m_bitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    m_spinEdit1->installEventFilter(this);
}

void TBonusF::BuildControls() {
    Picture(BonusArtwork::ShieldPlusPicture(), "Image1", QRect(8, 8, 46, 47), this);
    Caption(QStringLiteral("Bonus"), "Label1", QPoint(64, 16), this);
    m_comboBox1 = Place(new TBonusKindBox(this), "ComboBox1", QRect(128, 16, 225, 31));
    Picture(BonusArtwork::ArrowBarsPicture(), "Image2", QRect(8, 64, 46, 39), this);
    Caption(QStringLiteral("Value"), "Label2", QPoint(64, 72), this);
    m_spinEdit1 = Place(new TBonusSpinEdit(this), "SpinEdit1", QRect(128, 72, 193, 33));
    m_label3 = Place(new QLabel(QStringLiteral("+"), this), "Label3", QRect(328, 61, kSignWidth, kSignHeight));
    m_label3->setFont(BonusDialogLook::HeavyFont(29));
    m_label3->setAlignment(Qt::AlignCenter);
}

void TBonusF::BuildButtons() {
    const QFont buttonFont = BonusDialogLook::HeavyFont(27);
    m_bitBtn1 = Place(new QPushButton(QStringLiteral("ADD BONUS"), this), "BitBtn1", QRect(8, 120, 345, 57));
    m_bitBtn2 = Place(new QPushButton(QStringLiteral("CANCEL"), this), "BitBtn2", QRect(8, 184, 345, 57));
    const QPixmap glyphs[] = {BonusDialogLook::ButtonGlyph(BonusArtwork::AddButtonGlyph(), kGlyphSpacing),
                              BonusDialogLook::ButtonGlyph(BonusArtwork::CancelButtonGlyph(), kGlyphSpacing)};
    QPushButton* buttons[] = {m_bitBtn1, m_bitBtn2};
    for (int i = 0; i < 2; ++i) {
        buttons[i]->setFont(buttonFont);
        buttons[i]->setIcon(QIcon(glyphs[i]));
        buttons[i]->setIconSize(glyphs[i].size());
    }
    m_bitBtn1->setDefault(true);
    setTabOrder(m_comboBox1, m_spinEdit1);
    setTabOrder(m_spinEdit1, m_bitBtn1);
    setTabOrder(m_bitBtn1, m_bitBtn2);
}

void TBonusF::SetConfirmCaption(const QString& caption) {
    ensurePolished();
    m_bitBtn1->setText(caption);
}

void TBonusF::SetPlusValue(int value) {
    ensurePolished();
    const ItemVocabulary::ValueMode plus = ItemVocabulary::ValueModeFor(ItemVocabulary::kNoTypeForDialog, 0);
    m_spinEdit1->SetRange(plus.maximum, plus.maxDigits);
    m_spinEdit1->SetValue(value);
}

bool TBonusF::RunModal() {
    ensurePolished();
    FormShow();
    CentreOnScreen();
    if (!m_modalRunner)
        return exec() == QDialog::Accepted;
    setResult(QDialog::Rejected);
    setModal(true);
    show();
    const bool confirmed = m_modalRunner(*this);
    if (isVisible())
        reject();
    return confirmed;
}

bool TBonusF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_spinEdit1 && event->type() == QEvent::KeyPress &&
        SpinEdit1KeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TBonusF::FormCreate() {
    AddKinds(*m_comboBox1, ItemVocabulary::PotionKinds());
    AddKinds(*m_comboBox1, ItemVocabulary::StatKinds());
    m_comboBox1->setCurrentIndex(0);
}

void TBonusF::FormShow() {
    m_resultEntry.clear();
    {
        const QSignalBlocker quiet(m_comboBox1);
        m_comboBox1->clear();
        AddKinds(*m_comboBox1, ItemVocabulary::BonusKindsFor(m_bonusDialogMode));
        const int requested =
            m_requestedKind.isEmpty() ? -1 : m_comboBox1->findText(m_requestedKind, Qt::MatchFixedString);
        m_comboBox1->setCurrentIndex(requested >= 0 ? requested : (m_comboBox1->count() > 0 ? 0 : -1));
        m_requestedKind.clear();
    }
    ComboBox1Change();
}

void TBonusF::ComboBox1Change() {
    m_spinEdit1->setEnabled(true);
    const ItemVocabulary::ValueMode mode = ItemVocabulary::ValueModeFor(m_bonusDialogMode, m_comboBox1->currentIndex());
    if (mode.kind == ItemVocabulary::ValueKind::None) {
        ShowSign(QString());
        m_spinEdit1->SetValue(0);
        m_spinEdit1->setEnabled(false);
        return;
    }
    ShowSign(QString::fromLatin1(mode.sign));
    // Entering percent mode lowers a larger value to the new maximum; leaving it raises nothing.
    m_spinEdit1->SetRange(mode.maximum, mode.maxDigits);
}

void TBonusF::BitBtn1Click() {
    BuildResultEntry();
    accept();
}

bool TBonusF::SpinEdit1KeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // Confirming here rather than also through the default button builds and hands back the entry once.
    BitBtn1Click();
    return true;
}

void TBonusF::BuildResultEntry() {
    m_spinEdit1->SetValue(m_spinEdit1->Value());
    const std::string kind = m_comboBox1->currentIndex() < 0 ? std::string() : m_comboBox1->currentText().toStdString();
    m_resultEntry = QString::fromStdString(ItemVocabulary::Encode(kind, m_spinEdit1->Value(), m_bonusDialogMode));
}

void TBonusF::ShowSign(const QString& sign) {
    // The sign box keeps its size in every mode; a sign wider than the box is drawn narrower to fit it whole.
    QFont font = m_label3->font();
    font.setStretch(QFont::Unstretched);
    const int advance = QFontMetrics(font).horizontalAdvance(sign);
    if (advance > kSignWidth)
        font.setStretch(kSignWidth * QFont::Unstretched / advance);
    m_label3->setFont(font);
    m_label3->setText(sign);
}

void TBonusF::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The window is made first so that its frame, where the platform already knows it, is centred too.
    create();
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
