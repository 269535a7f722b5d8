#include "platform/ShellFileOperation.h"

#include "platform/Desktop.h"

#include "base/FileError.h"
#include "base/FileSystem.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

constexpr qint64 kChunkBytes = 1 << 20;

std::string SystemPath(const QString& path) {
    return TextCodec::ToSystem(QDir::toNativeSeparators(path));
}

QString Stored(const QString& path) {
    return TextCodec::FromSystem(FileSystem::StoredPath(SystemPath(path)));
}

[[noreturn]] void Fail(const char* action, const QString& file, const QString& reason) {
    throw FileError(action, SystemPath(file), TextCodec::ToSystem(reason));
}

// The file the source becomes: inside target when target is a folder, else target itself.
QString Destination(const QString& source, const QString& target) {
    const bool namesFolder =
        target.endsWith(QLatin1Char('/')) || target.endsWith(QDir::separator()) || QFileInfo(Stored(target)).isDir();
    const QString path = namesFolder ? QDir(target).filePath(QFileInfo(source).fileName()) : target;
    return Stored(QDir::cleanPath(path));
}

void MakeFolderFor(const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        Fail("create the folder", folder, QStringLiteral("the folder cannot be created"));
}

bool SameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// The copy is written crash-safe, and a link standing at its name is replaced rather than followed: the copy never
// writes into a file elsewhere that a link happens to point to.
void CopyWithProgress(QWidget* owner, const QString& source, const QString& destination) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        Fail("copy", source, input.errorString());
    FileSystem::SafeFileWriter output(SystemPath(destination), FileSystem::AtLink::ReplaceIt, "copy to");
    QProgressDialog progress(QFileInfo(source).fileName(), QString(), 0, 100, owner);
    progress.setWindowTitle(ShellOperationTitle(ShellOperation::Copy));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const qint64 total = qMax<qint64>(input.size(), 1);
    qint64 done = 0;
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(kChunkBytes);
        if (chunk.isEmpty() && input.error() != QFileDevice::NoError)
            Fail("copy", source, input.errorString());
        output.Write(chunk.constData(), static_cast<std::size_t>(chunk.size()));
        done += chunk.size();
        progress.setValue(static_cast<int>(done * 100 / total));
    }
    output.Commit();
}

void CopyFile(QWidget* owner, const QString& source, const QString& target) {
    const QString destination = Destination(source, target);
    if (SameFile(source, destination))
        return;
    if (!QFileInfo(source).isFile())
        Fail("copy", source, QStringLiteral("the file does not exist"));
    MakeFolderFor(destination);
    CopyWithProgress(owner, source, destination);
}

void MoveFile(QWidget* owner, const QString& source, const QString& destination) {
    if (SameFile(source, destination))
        return;
    MakeFolderFor(destination);
    if (QFileInfo::exists(destination) && !QFileInfo(destination).isDir())
        QFile::remove(destination);
    if (QFile::rename(source, destination))
        return;
    CopyWithProgress(owner, source, destination);
    if (!QFile::remove(source))
        Fail("move", source, QStringLiteral("the original cannot be removed"));
}

void DeleteEntry(const QString& source) {
    const QFileInfo info(Stored(source));
    const bool removed = info.isDir() ? QDir(info.filePath()).removeRecursively() : QFile::remove(info.filePath());
    if (!removed)
        Fail("delete", source, QStringLiteral("it cannot be removed"));
}

void RecycleEntry(const QString& source) {
    if (!QFile::moveToTrash(Stored(source)))
        Fail("move to the trash", source, QStringLiteral("the trash cannot take it"));
}

} // namespace

QString ShellOperationTitle(int operation) {
    switch (operation) {
    case ShellOperation::Move:
        return QStringLiteral("Moving . . .");
    case ShellOperation::Copy:
        return QStringLiteral("Copying . . .");
    case ShellOperation::Delete:
        return QStringLiteral("Deleting . . .");
    case ShellOperation::Rename:
        return QStringLiteral("Renaming . . .");
    case ShellOperation::Recycle:
        return QStringLiteral("Move to Recycle Bin . . .");
    default:
        return QString();
    }
}

void ShellFileOperation(QWidget* owner, const QString& source, const QString& target, int operation) {
    switch (operation) {
    case ShellOperation::Move:
        MoveFile(owner, Stored(source), Destination(source, target));
        break;
    case ShellOperation::Copy:
        CopyFile(owner, Stored(source), target);
        break;
    case ShellOperation::Delete:
        DeleteEntry(source);
        break;
    case ShellOperation::Rename:
        MoveFile(owner, Stored(source), Stored(target));
        break;
    case ShellOperation::Recycle:
        RecycleEntry(source);
        break;
    default:
        break;
    }
}
