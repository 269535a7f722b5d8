#pragma once

#include <QDialog>
#include <QDir>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The picture-open dialog for a new item's icon: the folders and bitmaps of one folder, a preview of the
// selected picture, and a name field. It is the editor's own rather than Qt's file dialog, which writes its
// history and last folder into the user's settings: the editor keeps no state of its own.
class PictureDialog : public QDialog {
    Q_OBJECT

public:
    PictureDialog(QWidget* owner, const QString& startFolder);

    // The folder shown, and the picked file once the dialog was accepted.
    QString Folder() const { return m_folder.absolutePath(); }
    QString PickedFile() const { return m_picked; }

    // Shows the folder's subfolders and bitmaps, nothing selected or named; a folder that cannot be read shows nothing.
    void ShowFolder(const QString& folder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ShowPreview(const QString& file);
    // The stored path of the bitmap the name names in the shown folder, or nothing.
    std::optional<QString> NamedBitmap(const QString& name) const;
    // Enter, a double click or Open: a folder is opened, a bitmap of the shown folder picked.
    void OpenOrPick(const QString& name);
    void EntrySelected(QListWidgetItem* entry);

    QDir m_folder;
    QString m_picked;
    QLineEdit* m_lookIn = nullptr;
    QListWidget* m_entries = nullptr;
    QLabel* m_preview = nullptr;
    QLineEdit* m_fileName = nullptr;
    QPushButton* m_open = nullptr;
};

// Runs the picture dialog modally: the picked file, or nothing when the user cancels.
std::optional<QString> RunPictureDialog(QWidget* owner, const QString& startFolder);
