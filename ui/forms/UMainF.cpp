#include "ui/forms/UMainF.h"

#include "base/CommandLine.h"
#include "platform/Desktop.h"
#include "platform/ErrorHandler.h"
#include "ui/artwork/SheetArtwork.h"
#include "ui/artwork/SheetFont.h"
#include "ui/artwork/SheetPictures.h"
#include "ui/widgets/ChoiceBox.h"
#include "ui/widgets/DescriptionBox.h"
#include "ui/widgets/DigitEdit.h"
#include "ui/widgets/HoverButton.h"
#include "ui/widgets/SheetBackground.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace {

constexpr int kComboHeight = 21;

const char* const kHoverButtonNames[] = {"Image_Add", "Image_Edit", "Image_Remove", "Image_SAVE", "Image_EXIT"};

const char* const kInitialDescription[] = {
    "Write description of current item, this ", "desciption will appear when player ",
    "select this item in game. Player like ", "to know story or explanation of an ", "item..."};

QComboBox* MakeChoice(const char* name, int left, int top, QWidget* parent) {
    auto* choice = new ChoiceBox(QLatin1String(name), parent);
    choice->setGeometry(left, top, 199, kComboHeight);
    return choice;
}

} // namespace

TForm1::TForm1(Desktop& desktop, const std::vector<std::string>& arguments, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_desktop(desktop) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvane - Brindlework item editor"));
    setFixedSize(SheetArtwork::kSheetSize);
    setFont(SheetFont());
    BuildControls();
    ConnectHandlers();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate(arguments);
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
    const SheetPictures pictures = SheetPictures::ForScale(devicePixelRatioF());
    Image2 = new SheetBackground(pictures.sheet, this);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(232, 16, 201, 17);
    Label3->setAutoFillBackground(true);
    Label3->setTextFormat(Qt::PlainText);
    QPalette blackOnWhite = Label3->palette();
    blackOnWhite.setColor(QPalette::Window, Qt::white);
    blackOnWhite.setColor(QPalette::WindowText, Qt::black);
    Label3->setPalette(blackOnWhite);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(25, 25, 40, 40);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BuildHoverButtons(pictures);
    ComboBox1 = MakeChoice("ComboBox1", 232, 56, this);
    for (const auto& type : ItemVocabulary::ItemTypes())
        ComboBox1->addItem(QString::fromStdString(type));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setGeometry(232, 224, 209, 185);
    ListBox1->viewport()->setMouseTracking(true);
    ComboBox2 = MakeChoice("ComboBox2", 232, 96, this);
    Memo1 = new DescriptionBox(this);
    Memo1->setGeometry(16, 152, 193, 257);
    Edit1 = new DigitEdit(QStringLiteral("Edit1"), this);
    Edit1->setGeometry(318, 155, 81, 16);
    Edit2 = new DigitEdit(QStringLiteral("Edit2"), this);
    Edit2->setGeometry(531, 154, 81, 17);
    // The tab order follows the sheet: type, bonuses, class, description, price, stack.
    setTabOrder(ComboBox1, ListBox1);
    setTabOrder(ListBox1, ComboBox2);
    setTabOrder(ComboBox2, Memo1);
    setTabOrder(Memo1, Edit1);
    setTabOrder(Edit1, Edit2);
    Edit1->setText(QStringLiteral("0"));
    Edit2->setText(QStringLiteral("1"));
    QStringList initial;
    for (const char* line : kInitialDescription)
        initial.append(QLatin1String(line));
    Memo1->SetLines(initial);
}

void TForm1::BuildHoverButtons(const SheetPictures& pictures) {
    for (int i = 0; i < static_cast<int>(HoverButtons.size()); ++i) {
        HoverButtons[i] =
            new HoverButton(QLatin1String(kHoverButtonNames[i]), SheetArtwork::CaptionButtonRect(i).size(), this);
        HoverButtons[i]->SetPicture(pictures.litCaptions[i], pictures.litOrigins[i]);
    }
    HoverButtons[0]->SetClickHandler(Guarded(&TForm1::Image_AddClick));
    HoverButtons[1]->SetClickHandler(Guarded(&TForm1::Image_EditClick));
    HoverButtons[2]->SetClickHandler(Guarded(&TForm1::Image_RemoveClick));
    HoverButtons[3]->SetClickHandler(Guarded(&TForm1::Image_SAVEClick));
    HoverButtons[4]->SetClickHandler(Guarded(&TForm1::Image_EXITClick));
}

void TForm1::ConnectHandlers() {
    Image2->SetMouseMoveHandler([this](const QPoint& point) { Image2MouseMove(point); });
    ListBox1->viewport()->installEventFilter(this);
    connect(ComboBox1, QOverload<int>::of(&QComboBox::activated), this, Guarded(&TForm1::ComboBox1Change));
    connect(ComboBox2, QOverload<int>::of(&QComboBox::activated), this, Guarded(&TForm1::ComboBox2Change));
}

void TForm1::FormCreate(const std::vector<std::string>& arguments) {
    m_itemName.clear();
    m_iconSourceFolder.clear();
    SelectType(0);
    for (int i = 0; i < static_cast<int>(HoverButtons.size()); ++i)
        HoverButtons[i]->move(SheetArtwork::CaptionButtonRect(i).topLeft());
    const auto commandLine = ReadCommandLine(arguments, PathStyle::Native());
    if (!commandLine) {
        m_desktop.ShowMessage(this,
                              QStringLiteral("Use \"Quorvane\" to run this program!\rBrindlework is started by the "
                                             "Quorvane suite with the project or item to edit."));
        m_desktop.TerminateApplication();
        return;
    }
    m_projectRoot = commandLine->ProjectRoot;
    m_itemName = commandLine->ItemName;
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The sheet is painted first; loading messages and the picture dialog then open over it.
    QMetaObject::invokeMethod(this, Guarded(&TForm1::FormShow), Qt::QueuedConnection);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseMove)
        ListBox1MouseMove();
    // A double click anywhere on the list edits the selected entry, as the Edit command does.
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick)
        RunEventHandler(m_desktop, this, [this] { Image_EditClick(); });
    return QWidget::eventFilter(watched, event);
}

std::function<void()> TForm1::Guarded(void (TForm1::*handler)()) {
    return [this, handler] { RunEventHandler(m_desktop, this, [this, handler] { (this->*handler)(); }); };
}

void TForm1::BringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TForm1::Image2MouseMove(const QPoint& point) {
    HideHoverButtons();
    for (HoverButton* button : HoverButtons) {
        if (button->StrictlyContains(point)) {
            button->show();
            return;
        }
    }
}

void TForm1::ListBox1MouseMove() {
    HideHoverButtons();
}

void TForm1::HideHoverButtons() {
    for (HoverButton* button : HoverButtons)
        button->hide();
}

ItemVocabulary::TypeIndex TForm1::SelectedType() const {
    const int index = ComboBox1->currentIndex();
    return index >= 0 ? ItemVocabulary::TypeIndex(index) : std::nullopt;
}

void TForm1::SelectType(ItemVocabulary::TypeIndex type) {
    ComboBox1->setCurrentIndex(type.value_or(-1));
}
