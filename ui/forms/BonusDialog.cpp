#include "ui/forms/BonusDialog.h"

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

BonusDialog::BonusDialog(Desktop& desktop, QWidget* owner) : m_desktop(desktop), m_owner(owner) {
    setObjectName(QStringLiteral("bonusDialog"));
    setWindowTitle(QStringLiteral("Item Bonus"));
    setFixedSize(362, 246);
    setFont(BonusDialogLook::HeavyFont(16));
    setStyleSheet(BonusDialogLook::StyleSheet());
}

bool BonusDialog::event(QEvent* event) {
    // The controls are built when the dialog is first polished, just before it is first used, and not on the
    // polish request every new window posts itself: its heavy font and pictures then cost the start-up nothing.
    if (event->type() == QEvent::PolishRequest && !m_kindBox)
        return true;
    if (event->type() == QEvent::Polish && !m_kindBox)
        BuildDialog();
    return QDialog::event(event);
}

void BonusDialog::BuildDialog() {
    BuildControls();
    BuildButtons();
    OfferAllKinds();
    connect(m_kindBox, &QComboBox::currentIndexChanged, this, Guarded(m_desktop, this, &BonusDialog::ApplyValueMode));
    connect(m_okButton, &QPushButton::clicked, this, Guarded(m_desktop, this, &BonusDialog::Confirm));
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_valueBox->installEventFilter(this);
}

void BonusDialog::BuildControls() {
    const qreal scale = devicePixelRatioF();
    Picture(BonusArtwork::ShieldPlusPicture(scale), "kindPicture", QRect(8, 8, 46, 47), this);
    Caption(QStringLiteral("Bonus"), "kindLabel", QPoint(64, 16), this);
    m_kindBox = Place(new BonusKindBox(this), "kindBox", QRect(128, 16, 225, 31));
    Picture(BonusArtwork::ArrowBarsPicture(scale), "valuePicture", QRect(8, 64, 46, 39), this);
    Caption(QStringLiteral("Value"), "valueLabel", QPoint(64, 72), this);
    m_valueBox = Place(new BonusSpinEdit(this), "valueBox", QRect(128, 72, 193, 33));
    m_signLabel = Place(new QLabel(QStringLiteral("+"), this), "signLabel", QRect(328, 61, kSignWidth, kSignHeight));
    m_kindBox->setAccessibleName(QStringLiteral("Bonus"));
    m_valueBox->setAccessibleName(QStringLiteral("Value"));
    m_signLabel->setFont(BonusDialogLook::HeavyFont(29));
    m_signLabel->setAlignment(Qt::AlignCenter);
}

void BonusDialog::BuildButtons() {
    const QFont buttonFont = BonusDialogLook::HeavyFont(27);
    m_okButton = Place(new QPushButton(QStringLiteral("ADD BONUS"), this), "okButton", QRect(8, 120, 345, 57));
    m_cancelButton = Place(new QPushButton(QStringLiteral("CANCEL"), this), "cancelButton", QRect(8, 184, 345, 57));
    const qreal scale = devicePixelRatioF();
    const QPixmap glyphs[] = {BonusDialogLook::ButtonGlyph(BonusArtwork::AddButtonGlyph(scale), kGlyphSpacing),
                              BonusDialogLook::ButtonGlyph(BonusArtwork::CancelButtonGlyph(scale), kGlyphSpacing)};
    QPushButton* buttons[] = {m_okButton, m_cancelButton};
    for (int i = 0; i < 2; ++i) {
        buttons[i]->setFont(buttonFont);
        buttons[i]->setIcon(QIcon(glyphs[i]));
        buttons[i]->setIconSize(BonusDialogLook::WindowSize(glyphs[i]));
    }
    m_okButton->setDefault(true);
    setTabOrder(m_kindBox, m_valueBox);
    setTabOrder(m_valueBox, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
}

void BonusDialog::SetConfirmCaption(const QString& caption) {
    ensurePolished();
    m_okButton->setText(caption);
}

void BonusDialog::SetPlusValue(int value) {
    ensurePolished();
    const ItemVocabulary::ValueMode plus = ItemVocabulary::ValueModeFor(ItemVocabulary::kNoTypeForDialog, 0);
    m_valueBox->SetRange(plus.maximum, plus.maxDigits);
    m_valueBox->SetValue(value);
}

bool BonusDialog::RunModal() {
    // The owner takes the dialog at its first run, not at its creation: a child of the sheet would be polished,
    // and so built, with the sheet at start-up.
    if (m_owner && parentWidget() != m_owner)
        setParent(m_owner, windowFlags());
    ensurePolished();
    PrepareShowing();
    CentreOverOwner();
    if (!m_modalRunner)
        return exec() == QDialog::Accepted;
    setResult(QDialog::Rejected);
    setModal(true);
    show();
    // However the runner ends, the dialog is closed again, as a modal run always leaves it.
    struct CloseAfterRun {
        BonusDialog& dialog;
        ~CloseAfterRun() {
            if (dialog.isVisible())
                dialog.reject();
        }
    } closeAfterRun{*this};
    return m_modalRunner(*this);
}

bool BonusDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_valueBox || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    bool handled = false;
    RunEventHandler(m_desktop, this, [&] { handled = ValueBoxKeyDown(static_cast<const QKeyEvent*>(event)->key()); });
    return handled || QDialog::eventFilter(watched, event);
}

void BonusDialog::OfferAllKinds() {
    AddKinds(*m_kindBox, ItemVocabulary::PotionKinds());
    AddKinds(*m_kindBox, ItemVocabulary::StatKinds());
    m_kindBox->setCurrentIndex(0);
}

void BonusDialog::PrepareShowing() {
    m_resultEntry.clear();
    {
        const QSignalBlocker quiet(m_kindBox);
        m_kindBox->clear();
        AddKinds(*m_kindBox, ItemVocabulary::BonusKindsFor(m_itemType));
        const int requested =
            m_requestedKind.isEmpty() ? -1 : m_kindBox->findText(m_requestedKind, Qt::MatchFixedString);
        m_kindBox->setCurrentIndex(requested >= 0 ? requested : (m_kindBox->count() > 0 ? 0 : -1));
        m_requestedKind.clear();
    }
    ApplyValueMode();
}

void BonusDialog::ApplyValueMode() {
    m_valueBox->setEnabled(true);
    const ItemVocabulary::ValueMode mode = ItemVocabulary::ValueModeFor(m_itemType, m_kindBox->currentIndex());
    if (mode.kind == ItemVocabulary::ValueKind::None) {
        ShowSign(QString());
        m_valueBox->SetValue(0);
        m_valueBox->setEnabled(false);
        return;
    }
    ShowSign(QString::fromLatin1(mode.sign));
    // Entering percent mode lowers a larger value to the new maximum; leaving it raises nothing.
    m_valueBox->SetRange(mode.maximum, mode.maxDigits);
}

void BonusDialog::Confirm() {
    BuildResultEntry();
    accept();
}

bool BonusDialog::ValueBoxKeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // Confirming here rather than also through the default button builds and hands back the entry once.
    Confirm();
    return true;
}

void BonusDialog::BuildResultEntry() {
    m_valueBox->SetValue(m_valueBox->Value());
    const std::string kind = m_kindBox->currentIndex() < 0 ? std::string() : m_kindBox->currentText().toStdString();
    m_resultEntry = QString::fromStdString(ItemVocabulary::Encode(kind, m_valueBox->Value(), m_itemType));
}

void BonusDialog::ShowSign(const QString& sign) {
    // The sign box keeps its size in every mode; a sign wider than the box is drawn narrower to fit it whole.
    QFont font = m_signLabel->font();
    font.setStretch(QFont::Unstretched);
    const int advance = QFontMetrics(font).horizontalAdvance(sign);
    if (advance > kSignWidth)
        font.setStretch(kSignWidth * QFont::Unstretched / advance);
    m_signLabel->setFont(font);
    m_signLabel->setText(sign);
}

void BonusDialog::CentreOverOwner() {
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
