#pragma once

#include <QFile>
#include <QProcessEnvironment>
#include <QString>

// The environment of an editor process started by a test: headless, with its own temporary folder and user's
// runtime folder (the temporary one unless given; made private to the user, as a runtime folder must be), so its
// single-instance lock and channel never meet another editor's.
inline QProcessEnvironment IsolatedEditorEnvironment(const QString& temporaryFolder,
                                                     const QString& runtimeFolder = QString()) {
    const QString runtime = runtimeFolder.isEmpty() ? temporaryFolder : runtimeFolder;
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}
