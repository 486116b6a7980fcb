#include "shell/Language.h"

#include "widgets/Localised.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstring>

namespace {

Language current = Language::Russian;
QTranslator *ownTexts = nullptr;
QTranslator *qtTexts = nullptr;

void drop(QTranslator *&t) {
    if (!t) return;
    QCoreApplication::removeTranslator(t);
    delete t;
    t = nullptr;
}

// Loads a translator and installs it; a missing file leaves the texts as
// they are written.
QTranslator *install(const QString &file, const QString &dir) {
    auto *t = new QTranslator(QCoreApplication::instance());
    if (t->load(file, dir)) {
        QCoreApplication::installTranslator(t);
        return t;
    }
    delete t;
    return nullptr;
}

} // namespace

LanguageChoice languageFromArguments(int argc, const char *const *argv) {
    LanguageChoice choice;
    for (int i = 1; i < argc; ++i) {
        const char *value = nullptr;
        if (std::strcmp(argv[i], "--lang") == 0)
            value = i + 1 < argc ? argv[++i] : "";
        else if (std::strncmp(argv[i], "--lang=", 7) == 0)
            value = argv[i] + 7;
        else
            continue;
        choice.problem.clear();
        if (std::strcmp(value, "en") == 0) {
            choice.language = Language::English;
        } else {
            choice.language = Language::Russian;
            if (std::strcmp(value, "ru") != 0)
                choice.problem = QStringLiteral("language \"%1\" is not offered (ru or en); "
                                                "starting in Russian")
                                     .arg(QString::fromUtf8(value));
        }
    }
    return choice;
}

void chooseLanguage(int argc, const char *const *argv) {
    const LanguageChoice choice = languageFromArguments(argc, argv);
    if (!choice.problem.isEmpty())
        std::fprintf(stderr, "lumivista: %s\n", choice.problem.toUtf8().constData());
    installLanguage(choice.language);
}

void installLanguage(Language language) {
    drop(ownTexts);
    drop(qtTexts);
    current = language;
    setResourceLanguage(language == Language::English ? QStringLiteral("en") : QString());
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::English) {
        // Qt's own dialogs speak English without a translation.
        ownTexts = install(QStringLiteral("lumivista_en"), QStringLiteral(":/i18n"));
    } else {
        qtTexts = install(QStringLiteral("qtbase_ru"), qtDir);
    }
}

Language programLanguage() {
    return current;
}

QStringList languageArguments() {
    if (current == Language::English) return {QStringLiteral("--lang"), QStringLiteral("en")};
    return {};
}
