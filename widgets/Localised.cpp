#include "widgets/Localised.h"

#include <QFileInfo>

namespace {

QString &language() {
    static QString code;
    return code;
}

} // namespace

void setResourceLanguage(const QString &code) {
    language() = code;
}

QString resourceLanguage() {
    return language();
}

QString localisedResource(const QString &path) {
    if (language().isEmpty()) return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString copy = path.left(slash + 1) + language() + QLatin1Char('/') + path.mid(slash + 1);
    return QFileInfo(copy).isFile() ? copy : path;
}
