#pragma once
// QString forms of the number helpers for the windows and painters.
#include "core/Numbers.h"

#include <QString>

inline double readNumber(const QString &text) {
    return readNumber(text.toStdString());
}
inline long double readNumberExtended(const QString &text) {
    return readNumberExtended(text.toStdString());
}
inline std::optional<double> readNumberStrict(const QString &text) {
    return readNumberStrict(text.toStdString());
}
inline QString qFormatThousands(double v) {
    return QString::fromStdString(formatThousands(v));
}
inline QString qFormatFiveDecimals(double v) {
    return QString::fromStdString(formatFiveDecimals(v));
}
inline QString qFormatFixed(double v, int decimals) {
    return QString::fromStdString(formatFixed(v, decimals));
}
inline QString qFormatGeneral(double v) {
    return QString::fromStdString(formatGeneral(v));
}
