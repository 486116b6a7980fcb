#pragma once
// Pictures, help pages and the help file that carry words come in each
// language the program speaks: the English copy of ":/prism/spectrometer.png"
// is ":/prism/en/spectrometer.png", that of ".../Lumivista.chm" is
// ".../en/Lumivista.chm". The shell says which language runs.
#include <QString>

// The language whose copies are preferred ("en"); empty: the originals.
void setResourceLanguage(const QString &code);
QString resourceLanguage();

// The copy of the file at `path` in the language set, when there is one;
// otherwise `path` itself.
QString localisedResource(const QString &path);
