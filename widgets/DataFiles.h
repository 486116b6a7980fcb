#pragma once
// Where the program's data files (spectrum.ini, newton.avi, Lumivista.chm)
// are found at run time.
#include <QString>

// The path of a data file by its bare name: next to the executable (the
// build folder), else in the installed data folder. Falls back to the path
// next to the executable when the file is nowhere, so that callers can
// check for its existence and report it.
QString dataFilePath(const QString &name);
