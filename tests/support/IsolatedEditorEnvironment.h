#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment of an editor process started by a test: headless, with its own temporary folder, so its
// single-instance lock and channel never meet another editor's.
inline QProcessEnvironment IsolatedEditorEnvironment(const QString& temporaryFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), temporaryFolder);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}
