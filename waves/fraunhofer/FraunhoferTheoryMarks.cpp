#include "waves/fraunhofer/FraunhoferTheoryMarks.h"

#include "waves/fraunhofer/FraunhoferTheory.h"

#include <QCoreApplication>

namespace {

// Lines through the minima at +-x, vertical or horizontal, and the legend.
void addAxis(OverlayMarks &marks, const FraunhoferInputs &in, double size, bool vertical,
             const QString &name) {
    const FraunhoferMinima t = fraunhoferMinima(in, size);
    const double side = kFraunhoferSide;
    for (double x : t.at)
        for (double p : {fraunhoferPixel(x, in), fraunhoferPixel(-x, in)})
            marks.lines << (vertical ? QLineF(p, 0, p, side) : QLineF(0, p, side, p));
    if (!t.at.empty())
        marks.legend << QCoreApplication::translate(
                            "FraunhoferTheory",
                            "%1 (m = 1) = %2 мм, минимумов с каждой стороны: %3")
                            .arg(name)
                            .arg(QString::number(t.at[0] * 1e3, 'f', 2))
                            .arg(t.at.size());
    if (t.smallAngleFails)
        marks.legend << QCoreApplication::translate(
                            "FraunhoferTheory",
                            "%1: дальше углы не малы, формула неверна, минимумы не отмечены")
                            .arg(name);
    if (t.at.empty() && !t.smallAngleFails && !t.tooDense)
        marks.legend << QCoreApplication::translate("FraunhoferTheory",
                                                    "%1: минимумов на экране нет")
                            .arg(name);
    if (t.tooDense)
        marks.legend << QCoreApplication::translate("FraunhoferTheory",
                                                    "%1: дальше минимумы чаще 3 пикселей")
                            .arg(name);
}

} // namespace

OverlayMarks fraunhoferTheoryMarks(const FraunhoferInputs &in) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate("FraunhoferTheory",
                                                "Минимумы: x = m λ L / a, y = m λ L / b")
                 << QCoreApplication::translate("FraunhoferTheory",
                                                "λ = %1 нм, L = %2 м, a = %3 м, b = %4 м")
                        .arg(in.wavelengthNm)
                        .arg(double(in.distance))
                        .arg(double(in.width))
                        .arg(double(in.height));
    if (checkFraunhofer(in) != FraunhoferProblem::None) return marks;
    addAxis(marks, in, in.width, true, QStringLiteral("x"));
    addAxis(marks, in, in.height, false, QStringLiteral("y"));
    return marks;
}
