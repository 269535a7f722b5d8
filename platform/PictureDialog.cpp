#include "PictureDialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr int kPreviewSize = 128;

QLabel* AddPreview(QFileDialog& dialog) {
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(kPreviewSize, kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        const QPixmap picture(path);
        preview->setPixmap(
            picture.isNull()
                ? QPixmap()
                : picture.scaled(kPreviewSize - 8, kPreviewSize - 8, Qt::KeepAspectRatio,
                                 picture.width() < kPreviewSize ? Qt::FastTransformation : Qt::SmoothTransformation));
    });
    return preview;
}

} // namespace

std::optional<QString> RunPictureDialog(QWidget* owner, const QString& startFolder) {
    QFileDialog dialog(owner, QStringLiteral("Select a Picture as Item Icon"), startFolder,
                       QStringLiteral("Bitmaps (*.bmp)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    AddPreview(dialog);
    dialog.resize(760, 460);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
