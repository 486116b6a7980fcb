#include "widgets/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

// The installed data folder relative to the installed executable; the build
// derives it from the install layout so that a changed layout still finds it.
#ifndef LUMIVISTA_DATA_FROM_BIN
#define LUMIVISTA_DATA_FROM_BIN "../share/lumivista"
#endif

namespace {
Q_LOGGING_CATEGORY(lcFiles, "lumivista.files", QtInfoMsg)
}

QStringList dataFolders(const QString &programDir) {
    const QDir dir(programDir);
    return {QDir::cleanPath(dir.absolutePath()),
            QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(LUMIVISTA_DATA_FROM_BIN)))};
}

QString findDataFile(const QString &name, const QString &programDir) {
    const QStringList folders = dataFolders(programDir);
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        // A folder that happens to carry the name is not the file.
        if (QFileInfo(path).isFile()) return path;
    }
    return QDir(folders.first()).filePath(name);
}

QString dataFilePath(const QString &name) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString path = findDataFile(name, programDir);
    if (QFileInfo(path).isFile())
        qCDebug(lcFiles).noquote() << name << "found at" << path;
    else
        qCDebug(lcFiles).noquote() << name << "not found in" << dataFolders(programDir).join(", ");
    return path;
}
