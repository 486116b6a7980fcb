#pragma once
// Where the program's files (spectrum.ini, newton.avi, Lumivista.chm) are
// found at run time: next to the executable in the build folder, in the
// installed data folder (<prefix>/share/lumivista) once installed.
#include <QString>
#include <QStringList>

// The folders searched for the files of a program in programDir, in order:
// the program's own folder, then the installed data folder relative to it.
QStringList dataFolders(const QString &programDir);

// The first regular file called name in the data folders of programDir; the
// path next to the program when there is none, so that callers can check
// for its existence and report it.
QString findDataFile(const QString &name, const QString &programDir);

// findDataFile for this program. Each lookup is reported on the logging
// category "lumivista.files" (debug level, off unless QT_LOGGING_RULES turns
// it on), which is how an installation is checked.
QString dataFilePath(const QString &name);
