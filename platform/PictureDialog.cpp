#include "platform/PictureDialog.h"

#include "base/FileSystem.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileIconProvider>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kPreviewSize = 128;
constexpr int kPreviewMargin = 8;
// The entry's role holding whether it is a folder.
constexpr int kIsFolderRole = Qt::UserRole;

QPixmap PreviewOf(const QString& file) {
    const QPixmap picture(file);
    if (picture.isNull())
        return {};
    const int room = kPreviewSize - kPreviewMargin;
    return picture.scaled(room, room, Qt::KeepAspectRatio,
                          picture.width() < kPreviewSize ? Qt::FastTransformation : Qt::SmoothTransformation);
}

} // namespace

PictureDialog::PictureDialog(QWidget* owner, const QString& startFolder) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Select a Picture as Item Icon"));
    BuildControls();
    ShowFolder(startFolder);
    resize(760, 460);
}

void PictureDialog::BuildControls() {
    auto* grid = new QGridLayout(this);
    m_lookIn = new QLineEdit(this);
    m_lookIn->setObjectName(QStringLiteral("lookInField"));
    auto* up = new QToolButton(this);
    up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    up->setToolTip(QStringLiteral("Up one folder"));
    m_entries = new QListWidget(this);
    m_entries->setObjectName(QStringLiteral("entryList"));
    m_preview = new QLabel(this);
    m_preview->setFixedSize(kPreviewSize, kPreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("fileNameField"));
    auto* fileType = new QComboBox(this);
    fileType->addItem(QStringLiteral("Bitmaps (*.bmp)"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, Qt::Vertical, this);
    m_open = buttons->button(QDialogButtonBox::Open);
    m_open->setObjectName(QStringLiteral("openButton"));
    m_open->setEnabled(false);

    grid->addWidget(new QLabel(QStringLiteral("Look in:"), this), 0, 0);
    grid->addWidget(m_lookIn, 0, 1);
    grid->addWidget(up, 0, 2);
    grid->addWidget(m_entries, 1, 0, 1, 3);
    grid->addWidget(m_preview, 1, 3, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("File name:"), this), 2, 0);
    grid->addWidget(m_fileName, 2, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Files of type:"), this), 3, 0);
    grid->addWidget(fileType, 3, 1, 1, 2);
    grid->addWidget(buttons, 2, 3, 2, 1, Qt::AlignBottom);
    grid->setColumnStretch(1, 1);

    connect(up, &QToolButton::clicked, this, [this] { OpenOrPick(QStringLiteral("..")); });
    connect(m_entries, &QListWidget::currentItemChanged, this, &PictureDialog::EntrySelected);
    connect(m_entries, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* entry) { OpenOrPick(entry->text()); });
    connect(m_fileName, &QLineEdit::textChanged, this,
            [this](const QString& name) { m_open->setEnabled(NamedBitmap(name).has_value()); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OpenOrPick(m_fileName->text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A line edit and the list pass Enter on to the dialog, whose default button would then press Open too.
    m_lookIn->installEventFilter(this);
    m_fileName->installEventFilter(this);
    m_entries->installEventFilter(this);
    m_fileName->setFocus();
}

bool PictureDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (watched == m_lookIn) {
        ShowFolder(m_lookIn->text());
    } else if (watched == m_fileName) {
        OpenOrPick(m_fileName->text());
    } else if (QListWidgetItem* entry = m_entries->currentItem()) {
        OpenOrPick(entry->text());
    }
    return true;
}

void PictureDialog::ShowFolder(const QString& folder) {
    m_folder = QDir(QDir::cleanPath(QDir(m_folder).absoluteFilePath(folder)));
    m_lookIn->setText(QDir::toNativeSeparators(m_folder.absolutePath()));
    m_entries->clear();
    m_preview->clear();
    m_fileName->clear();
    const QFileIconProvider icons;
    const QFileInfoList entries =
        m_folder.entryInfoList({QStringLiteral("*.bmp")}, QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot,
                               QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        auto* item = new QListWidgetItem(icons.icon(entry), entry.fileName());
        item->setData(kIsFolderRole, entry.isDir());
        m_entries->addItem(item);
    }
}

void PictureDialog::EntrySelected(QListWidgetItem* entry) {
    if (!entry || entry->data(kIsFolderRole).toBool()) {
        m_preview->clear();
        return;
    }
    m_fileName->setText(entry->text());
    ShowPreview(m_folder.absoluteFilePath(entry->text()));
}

void PictureDialog::ShowPreview(const QString& file) {
    m_preview->setPixmap(PreviewOf(file));
}

std::optional<QString> PictureDialog::NamedBitmap(const QString& name) const {
    const QString plain = name.trimmed();
    if (plain.contains(QLatin1Char('/')) || plain.contains(QDir::separator()) ||
        !plain.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return std::nullopt;
    const QString typed = QDir::toNativeSeparators(m_folder.absoluteFilePath(plain));
    const QFileInfo stored(TextCodec::FromName(FileSystem::StoredPath(TextCodec::ToName(typed))));
    if (!stored.isFile())
        return std::nullopt;
    return stored.absoluteFilePath();
}

void PictureDialog::OpenOrPick(const QString& name) {
    // A typed name is found whatever its letter case, as everywhere in the editor.
    const QString typed = QDir::toNativeSeparators(m_folder.absoluteFilePath(name.trimmed()));
    const QFileInfo target(TextCodec::FromName(FileSystem::StoredPath(TextCodec::ToName(typed))));
    if (target.isDir()) {
        ShowFolder(target.filePath());
    } else if (const std::optional<QString> bitmap = NamedBitmap(name)) {
        m_picked = *bitmap;
        accept();
    } else {
        QApplication::beep();
    }
}

std::optional<QString> RunPictureDialog(QWidget* owner, const QString& startFolder) {
    PictureDialog dialog(owner, startFolder);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.PickedFile();
}
