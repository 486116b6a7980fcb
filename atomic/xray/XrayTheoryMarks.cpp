#include "atomic/xray/XrayTheoryMarks.h"

#include "atomic/xray/Break_x.h"
#include "atomic/xray/XrayTheory.h"

#include <QCoreApplication>

namespace {

QString fixed(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}

// A vertical mark across the plot at `angstrom`, labelled at its top.
void mark(OverlayMarks &marks, double angstrom, const QString &label, QSize picture) {
    const double x = Break_x::xrayPixelX(angstrom, picture.width());
    marks.lines << QLineF(x, 10, x, picture.height() - 11);
    marks.labels << OverlayMarks::Label{QPointF(x + 3, 14), label};
}

} // namespace

OverlayMarks xrayTheoryMarks(int voltage, int element, QSize picture) {
    using namespace Break_x;
    OverlayMarks marks;
    const XrayTheory t = xrayTheory(voltage, element);
    const double top = static_cast<double>(kMaxLambda);
    if (t.lambdaMin <= 0) return marks;
    marks.legend << QCoreApplication::translate(
                        "XrayTheory", "Дуэйн–Хант: λmin = hc / (eV) = 12398.5 / %1 = %2 Å")
                        .arg(voltage)
                        .arg(fixed(t.lambdaMin, 3));
    if (t.lambdaMin <= top)
        mark(marks, t.lambdaMin, QCoreApplication::translate("XrayTheory", "λmin"), picture);
    if (!t.hasLine) return marks;
    const TElements *e = ElementAt(element);
    marks.legend << QCoreApplication::translate("XrayTheory",
                                                "Мозли: E(Kα) = ¾ · 13.6 эВ · (Z − 1)², %1: Z = %2")
                        .arg(QString::fromUtf8(e->Symbol.data(), qsizetype(e->Symbol.size())))
                        .arg(t.Z)
                 << QCoreApplication::translate("XrayTheory", "E(Kα) = %1 эВ, λ(Kα) = %2 Å")
                        .arg(fixed(t.kAlphaEnergy, 0))
                        .arg(fixed(t.kAlpha, 3));
    if (!t.lineReachable)
        marks.legend << QCoreApplication::translate(
            "XrayTheory",
            "λmin > λ(Kα): при этом напряжении таких фотонов нет, линии быть не может");
    if (t.kAlpha > top)
        marks.legend << QCoreApplication::translate("XrayTheory", "λ(Kα) вне графика (больше 7 Å)");
    else
        mark(marks, t.kAlpha, QCoreApplication::translate("XrayTheory", "Kα"), picture);
    return marks;
}
