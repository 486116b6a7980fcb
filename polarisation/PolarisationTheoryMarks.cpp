#include "polarisation/PolarisationTheoryMarks.h"

#include "polarisation/PolarisationTheory.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

namespace {

QString fixed(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}
QString deg(double radians) {
    return fixed(radians * 180 / std::numbers::pi, 1);
}

constexpr int kSamples = 90;

} // namespace

OverlayMarks malusTheoryMarks(double thetaDegrees, QSize view) {
    OverlayMarks marks;
    const double ratio = malusRatio(thetaDegrees);
    marks.legend << QCoreApplication::translate(
                        "PolarisationTheory",
                        "Малюс: I = I₀ cos² θ, I₀ = 0.5 (за первым поляризатором)")
                 << QCoreApplication::translate("PolarisationTheory",
                                                "θ = %1°: I / I₀ = %2, I = %3")
                        .arg(thetaDegrees)
                        .arg(fixed(ratio, 3))
                        .arg(fixed(0.5 * ratio, 3));
    // The inset: theta 0..180 degrees across 160 pixels, I / I0 up 80 pixels.
    const QRectF box(view.width() - 170, view.height() - 90, 160, 80);
    if (box.left() < 0 || box.top() < 0) return marks;
    auto at = [&](double degrees) {
        return QPointF(box.left() + box.width() * degrees / 180,
                       box.bottom() - box.height() * malusRatio(degrees));
    };
    marks.lines << QLineF(box.bottomLeft(), box.bottomRight())
                << QLineF(box.bottomLeft(), box.topLeft());
    for (int i = 0; i < kSamples; ++i)
        marks.lines << QLineF(at(180.0 * i / kSamples), at(180.0 * (i + 1) / kSamples));
    marks.points << at(std::fmod(std::fmod(thetaDegrees, 180) + 180, 180));
    marks.labels << OverlayMarks::Label{
        box.topLeft() + QPointF(4, 10),
        QCoreApplication::translate("PolarisationTheory", "cos² θ")};
    return marks;
}

OverlayMarks brewsterTheoryMarks(double alphaDegrees, double nPar, double nPerp) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate("PolarisationTheory",
                                                "Брюстер: tg αБ = n; r∥ = tg(α − β) / tg(α + β), "
                                                "r⊥ = sin(α − β) / sin(α + β)");
    const BrewsterTheory t = brewsterTheory(alphaDegrees, nPar, nPerp);
    if (!t.valid) {
        marks.legend << QCoreApplication::translate("PolarisationTheory",
                                                    "Показатели преломления должны быть больше 0");
        return marks;
    }
    marks.legend << QCoreApplication::translate("PolarisationTheory",
                                                "n∥ = %1, n⊥ = %2: αБ = arctg n∥ = %3°")
                        .arg(nPar)
                        .arg(nPerp)
                        .arg(deg(t.brewster));
    if (!t.refracted)
        marks.legend << QCoreApplication::translate("PolarisationTheory",
                                                    "При α = %1° sin α > n: преломлённой волны нет")
                            .arg(alphaDegrees);
    else
        marks.legend << QCoreApplication::translate("PolarisationTheory",
                                                    "α = %1°: r∥ = %2, r⊥ = %3")
                            .arg(alphaDegrees)
                            .arg(fixed(t.rPar, 3))
                            .arg(fixed(t.rPerp, 3));
    return marks;
}

OverlayMarks anisotropicTheoryMarks(const WaveParams &p, int width, bool outgoing) {
    OverlayMarks marks;
    const PlateTheory t = plateTheory(p, outgoing);
    marks.legend << (outgoing
                         ? QCoreApplication::translate("PolarisationTheory",
                                                       "Пластинка: Δφ = 2π (Ky − Kx) d / λ")
                         : QCoreApplication::translate("PolarisationTheory", "Падающая волна"));
    if (!t.valid) {
        marks.legend << QCoreApplication::translate("PolarisationTheory", "λ должна быть больше 0");
        return marks;
    }
    const QString kinds[] = {QCoreApplication::translate("PolarisationTheory", "линейная"),
                             QCoreApplication::translate("PolarisationTheory", "круговая"),
                             QCoreApplication::translate("PolarisationTheory", "эллиптическая")};
    if (outgoing)
        marks.legend << QCoreApplication::translate("PolarisationTheory",
                                                    "Δφ = %1°, с начальной f: Y опережает X на %2°")
                            .arg(deg(t.plate))
                            .arg(deg(t.total));
    else
        marks.legend << QCoreApplication::translate("PolarisationTheory",
                                                    "Y опережает X на f = %1°")
                            .arg(deg(t.total));
    marks.legend << QCoreApplication::translate("PolarisationTheory", "Поляризация: %1")
                        .arg(kinds[int(t.kind)]);
    // The figure (70 cos phi, 70 cos(phi + lead)) about the square's centre, y up.
    const double c = width / 2, A = 70;
    auto at = [&](int i) {
        const double phi = 2 * std::numbers::pi * i / kSamples;
        return QPointF(c + A * std::cos(phi), c - A * std::cos(phi + t.total));
    };
    for (int i = 0; i < kSamples; ++i)
        marks.lines << QLineF(at(i), at(i + 1));
    return marks;
}
