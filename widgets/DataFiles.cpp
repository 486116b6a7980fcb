#include "widgets/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString dataFilePath(const QString &name) {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    // An installed program keeps its data in <prefix>/share/lumivista.
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/lumivista/") + name);
    if (QFileInfo::exists(installed)) return QDir::cleanPath(installed);
    return beside;
}
