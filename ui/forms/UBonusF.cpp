#include "ui/forms/UBonusF.h"

#include "itemdata/ItemVocabulary.h"
#include "platform/ErrorHandler.h"
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

TBonusF::TBonusF(Desktop& desktop, QWidget* owner) : m_desktop(desktop), m_owner(owner) {
    setObjectName(QStringLiteral("BonusF"));
    setWindowTitle(QStringLiteral("Item Bonus"));
    setFixedSize(362, 246);
    setFont(BonusDialogLook::HeavyFont(16));
    setStyleSheet(BonusDialogLook::StyleSheet());
}

bool TBonusF::event(QEvent* event) {
    // The controls are built when the dialog is first polished, just before it is first used, and not on the
    // polish request every new window posts itself: its heavy font and pictures then cost the start-up nothing.
    if (event->type() == QEvent::PolishRequest && !ComboBox1)
        return true;
    if (event->type() == QEvent::Polish && !ComboBox1)
        BuildDialog();
    return QDialog::event(event);
}

void TBonusF::BuildDialog() {
    BuildControls();
    BuildButtons();
    FormCreate();
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, Guarded(&TBonusF::ComboBox1Change));
    connect(BitBtn1, &QPushButton::clicked, this, Guarded(&TBonusF::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    SpinEdit1->installEventFilter(this);
}

void TBonusF::BuildControls() {
    const qreal scale = devicePixelRatioF();
    Picture(BonusArtwork::ShieldPlusPicture(scale), "Image1", QRect(8, 8, 46, 47), this);
    Caption(QStringLiteral("Bonus"), "Label1", QPoint(64, 16), this);
    ComboBox1 = Place(new BonusKindBox(this), "ComboBox1", QRect(128, 16, 225, 31));
    Picture(BonusArtwork::ArrowBarsPicture(scale), "Image2", QRect(8, 64, 46, 39), this);
    Caption(QStringLiteral("Value"), "Label2", QPoint(64, 72), this);
    SpinEdit1 = Place(new BonusSpinEdit(this), "SpinEdit1", QRect(128, 72, 193, 33));
    Label3 = Place(new QLabel(QStringLiteral("+"), this), "Label3", QRect(328, 61, kSignWidth, kSignHeight));
    Label3->setFont(BonusDialogLook::HeavyFont(29));
    Label3->setAlignment(Qt::AlignCenter);
}

void TBonusF::BuildButtons() {
    const QFont buttonFont = BonusDialogLook::HeavyFont(27);
    BitBtn1 = Place(new QPushButton(QStringLiteral("ADD BONUS"), this), "BitBtn1", QRect(8, 120, 345, 57));
    BitBtn2 = Place(new QPushButton(QStringLiteral("CANCEL"), this), "BitBtn2", QRect(8, 184, 345, 57));
    const qreal scale = devicePixelRatioF();
    const QPixmap glyphs[] = {BonusDialogLook::ButtonGlyph(BonusArtwork::AddButtonGlyph(scale), kGlyphSpacing),
                              BonusDialogLook::ButtonGlyph(BonusArtwork::CancelButtonGlyph(scale), kGlyphSpacing)};
    QPushButton* buttons[] = {BitBtn1, BitBtn2};
    for (int i = 0; i < 2; ++i) {
        buttons[i]->setFont(buttonFont);
        buttons[i]->setIcon(QIcon(glyphs[i]));
        buttons[i]->setIconSize(BonusDialogLook::WindowSize(glyphs[i]));
    }
    BitBtn1->setDefault(true);
    setTabOrder(ComboBox1, SpinEdit1);
    setTabOrder(SpinEdit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

void TBonusF::SetConfirmCaption(const QString& caption) {
    ensurePolished();
    BitBtn1->setText(caption);
}

void TBonusF::SetPlusValue(int value) {
    ensurePolished();
    const ItemVocabulary::ValueMode plus = ItemVocabulary::ValueModeFor(ItemVocabulary::kNoTypeForDialog, 0);
    SpinEdit1->SetRange(plus.maximum, plus.maxDigits);
    SpinEdit1->SetValue(value);
}

bool TBonusF::RunModal() {
    // The owner takes the dialog at its first run, not at its creation: a child of the sheet would be polished,
    // and so built, with the sheet at start-up.
    if (m_owner && parentWidget() != m_owner)
        setParent(m_owner, windowFlags());
    ensurePolished();
    FormShow();
    CentreOverOwner();
    if (!m_modalRunner)
        return exec() == QDialog::Accepted;
    setResult(QDialog::Rejected);
    setModal(true);
    show();
    // However the runner ends, the dialog is closed again, as a modal run always leaves it.
    struct CloseAfterRun {
        TBonusF& dialog;
        ~CloseAfterRun() {
            if (dialog.isVisible())
                dialog.reject();
        }
    } closeAfterRun{*this};
    return m_modalRunner(*this);
}

bool TBonusF::eventFilter(QObject* watched, QEvent* event) {
    if (watched != SpinEdit1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    bool handled = false;
    RunEventHandler(m_desktop, this, [&] { handled = SpinEdit1KeyDown(static_cast<const QKeyEvent*>(event)->key()); });
    return handled || QDialog::eventFilter(watched, event);
}

std::function<void()> TBonusF::Guarded(void (TBonusF::*handler)()) {
    return [this, handler] { RunEventHandler(m_desktop, this, [this, handler] { (this->*handler)(); }); };
}

void TBonusF::FormCreate() {
    AddKinds(*ComboBox1, ItemVocabulary::PotionKinds());
    AddKinds(*ComboBox1, ItemVocabulary::StatKinds());
    ComboBox1->setCurrentIndex(0);
}

void TBonusF::FormShow() {
    m_resultEntry.clear();
    {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->clear();
        AddKinds(*ComboBox1, ItemVocabulary::BonusKindsFor(m_bonusDialogMode));
        const int requested =
            m_requestedKind.isEmpty() ? -1 : ComboBox1->findText(m_requestedKind, Qt::MatchFixedString);
        ComboBox1->setCurrentIndex(requested >= 0 ? requested : (ComboBox1->count() > 0 ? 0 : -1));
        m_requestedKind.clear();
    }
    ComboBox1Change();
}

void TBonusF::ComboBox1Change() {
    SpinEdit1->setEnabled(true);
    const ItemVocabulary::ValueMode mode = ItemVocabulary::ValueModeFor(m_bonusDialogMode, ComboBox1->currentIndex());
    if (mode.kind == ItemVocabulary::ValueKind::None) {
        ShowSign(QString());
        SpinEdit1->SetValue(0);
        SpinEdit1->setEnabled(false);
        return;
    }
    ShowSign(QString::fromLatin1(mode.sign));
    // Entering percent mode lowers a larger value to the new maximum; leaving it raises nothing.
    SpinEdit1->SetRange(mode.maximum, mode.maxDigits);
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
    SpinEdit1->SetValue(SpinEdit1->Value());
    const std::string kind = ComboBox1->currentIndex() < 0 ? std::string() : ComboBox1->currentText().toStdString();
    m_resultEntry = QString::fromStdString(ItemVocabulary::Encode(kind, SpinEdit1->Value(), m_bonusDialogMode));
}

void TBonusF::ShowSign(const QString& sign) {
    // The sign box keeps its size in every mode; a sign wider than the box is drawn narrower to fit it whole.
    QFont font = Label3->font();
    font.setStretch(QFont::Unstretched);
    const int advance = QFontMetrics(font).horizontalAdvance(sign);
    if (advance > kSignWidth)
        font.setStretch(kSignWidth * QFont::Unstretched / advance);
    Label3->setFont(font);
    Label3->setText(sign);
}

void TBonusF::CentreOverOwner() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QWidget* owner = parentWidget();
    if (!owner && !screen)
        return;
    // The window is made first so that its frame, where the platform already knows it, is centred too.
    create();
    QRect frame = frameGeometry();
    frame.moveCenter(owner ? owner->frameGeometry().center() : screen->availableGeometry().center());
    move(frame.topLeft());
}
