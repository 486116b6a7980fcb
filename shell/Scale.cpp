#include "shell/Scale.h"

#include "core/Numbers.h"

#include <QByteArray>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr double kScales[] = {1.0, 1.25, 1.5, 2.0};
constexpr char kEnvironment[] = "QT_SCALE_FACTOR";

std::optional<double> offeredScale(std::string_view text) {
    const std::optional<double> f = readNumberStrict(text);
    if (!f) return std::nullopt;
    for (double s : kScales)
        if (*f == s) return s;
    return std::nullopt;
}

const QString kOffered = QStringLiteral("1, 1.25, 1.5 или 2");

} // namespace

std::span<const double> programScales() {
    return kScales;
}

ScaleChoice scaleFromArguments(int argc, const char *const *argv) {
    ScaleChoice choice;
    for (int i = 1; i < argc; ++i) {
        const char *value = nullptr;
        if (std::strcmp(argv[i], "--scale") == 0) {
            value = i + 1 < argc ? argv[++i] : "";
        } else if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            value = argv[i] + 8;
        } else {
            continue;
        }
        choice.given = true;
        const std::optional<double> f = offeredScale(value);
        choice.factor = f.value_or(1.0);
        if (f)
            choice.problem.clear();
        else if (*value == '\0')
            choice.problem =
                QStringLiteral("после --scale нужен масштаб: %1; запуск в 100 %").arg(kOffered);
        else
            choice.problem = QStringLiteral("масштаб «%1» не поддерживается, можно %2; запуск в "
                                            "100 %")
                                 .arg(QString::fromUtf8(value), kOffered);
    }
    return choice;
}

void chooseScale(int argc, const char *const *argv) {
    const ScaleChoice choice = scaleFromArguments(argc, argv);
    if (!choice.problem.isEmpty())
        std::fprintf(stderr, "lumivista: %s\n", choice.problem.toUtf8().constData());
    // An explicit choice replaces a factor inherited from the environment
    // (a restart at another scale inherits the old one).
    if (choice.given) qputenv(kEnvironment, QByteArray::number(choice.factor));
}

double programScale() {
    return offeredScale(qgetenv(kEnvironment).toStdString()).value_or(1.0);
}

QString scaleCaption(double factor) {
    return QStringLiteral("%1 %").arg(qRound(factor * 100));
}

QStringList scaleArguments(double factor) {
    return {QStringLiteral("--scale"), QString::number(factor)};
}
