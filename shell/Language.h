#pragma once
// The language of the program: Russian, the texts the program is written
// in, or English through Qt's translations. Chosen on the command line only
// ("--lang en"); nothing is written to disk and the system locale is ignored.
#include <QString>
#include <QStringList>

enum class Language { Russian, English };

struct LanguageChoice {
    Language language = Language::Russian;
    QString problem; // why the language asked for was refused; empty: none
};

// Reads "--lang ru|en" or "--lang=ru|en" (the last one counts); anything
// else gives Russian and a problem.
LanguageChoice languageFromArguments(int argc, const char *const *argv);

// After the application object exists: says on stderr why a language was
// refused and installs the translations of the program and of Qt's dialogs.
void chooseLanguage(int argc, const char *const *argv);

// Installs the translations for `language` (replacing earlier ones).
void installLanguage(Language language);

// The language installed last (Russian when none).
Language programLanguage();

// The arguments that start the program in the language it runs in now.
QStringList languageArguments();
