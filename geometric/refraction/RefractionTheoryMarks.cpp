#include "geometric/refraction/RefractionTheoryMarks.h"

#include "geometric/refraction/RefractionTheory.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

namespace {

QString deg(double radians) {
    return QString::number(radians * 180 / std::numbers::pi, 'f', 1);
}
QString pct(double v) {
    return QString::number(v * 100, 'f', 1);
}

} // namespace

OverlayMarks refractionTheoryMarks(double n1, double n2, double alpha, QSize picture) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
        "RefractionTheory",
        "Снеллиус: n₁ sin α = n₂ sin β; αкр = arcsin(n₂/n₁), αБ = arctg(n₂/n₁)");
    const RefractionTheory t = refractionTheory(n1, n2, alpha);
    if (!t.valid) {
        marks.legend << QCoreApplication::translate("RefractionTheory",
                                                    "Показатели преломления должны быть больше 0");
        return marks;
    }
    const QPointF c(picture.width() / 2, picture.height() / 2);
    const double L = std::min(picture.width(), picture.height()) / 2.0;
    const double side = alpha < 0 ? -1 : 1; // the lamp's side of the normal
    // Incidence directions come from above on the lamp's side.
    auto incoming = [&](double angle, const QString &name) {
        const QPointF end = c + L * QPointF(-side * std::sin(angle), -std::cos(angle));
        marks.lines << QLineF(c, end);
        marks.labels << OverlayMarks::Label{end + QPointF(-side * 4, -4), name};
    };
    marks.legend << QCoreApplication::translate("RefractionTheory", "n₁ = %1, n₂ = %2, α = %3°")
                        .arg(n1)
                        .arg(n2)
                        .arg(deg(alpha));
    if (t.totalReflection) {
        marks.legend << QCoreApplication::translate(
            "RefractionTheory", "sin β = n₁ sin α / n₂ > 1: полное внутреннее отражение, "
                                "преломлённого луча нет; R = 100 %");
    } else {
        const QPointF end = c + L * QPointF(std::sin(t.beta), std::cos(t.beta));
        marks.lines << QLineF(c, end);
        marks.labels << OverlayMarks::Label{end + QPointF(4, -4),
                                            QCoreApplication::translate("RefractionTheory", "β")};
        marks.legend << QCoreApplication::translate(
                            "RefractionTheory",
                            "β = %1°; Rs = %2 %, Rp = %3 %, Ts = %4 %, Tp = %5 %")
                            .arg(deg(t.beta))
                            .arg(pct(t.Rs))
                            .arg(pct(t.Rp))
                            .arg(pct(1 - t.Rs))
                            .arg(pct(1 - t.Rp));
    }
    if (t.hasCritical) {
        incoming(t.critical, QCoreApplication::translate("RefractionTheory", "αкр"));
        marks.legend
            << QCoreApplication::translate("RefractionTheory", "αкр = %1°").arg(deg(t.critical));
    } else {
        marks.legend << QCoreApplication::translate("RefractionTheory",
                                                    "n₁ ≤ n₂: критического угла нет");
    }
    incoming(t.brewster, QCoreApplication::translate("RefractionTheory", "αБ"));
    marks.legend << QCoreApplication::translate("RefractionTheory", "αБ = %1° (Rp = 0)")
                        .arg(deg(t.brewster));
    return marks;
}
