#include "waves/newton/NewtonTheoryMarks.h"

#include "waves/newton/NewtonTheory.h"

#include <QCoreApplication>

namespace {

// The first few radii in millimetres, "1.58, 2.74, 3.54 …".
QString firstRadii(const std::vector<double> &radii) {
    QStringList parts;
    for (std::size_t i = 0; i < radii.size() && i < 4; ++i)
        parts << QString::number(radii[i] * 1e3, 'f', 2);
    if (radii.size() > 4) parts << QStringLiteral("…");
    return parts.join(QStringLiteral(", "));
}

} // namespace

OverlayMarks newtonTheoryMarks(const NewtonInputs &in) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
                        "NewtonTheory", "Тёмные кольца: r = √(m λ R), светлые: r = √((m − ½) λ R)")
                 << QCoreApplication::translate("NewtonTheory", "λ = %1 нм, R = %2 м")
                        .arg(static_cast<double>(in.wavelength))
                        .arg(static_cast<double>(in.Rc));
    const NewtonTheory t = newtonTheory(in);
    if (t.dark.empty() && t.bright.empty()) {
        marks.legend << QCoreApplication::translate("NewtonTheory", "Нет колец при этих данных");
        return marks;
    }
    const double n = static_cast<double>(newtonRingCount(in.a, in.h));
    for (double r : t.dark) {
        const double p = newtonPixels(r, in);
        marks.ellipses << QRectF(n - p, n - p, 2 * p, 2 * p);
    }
    for (double r : t.bright)
        marks.points << QPointF(n + newtonPixels(r, in), n);
    marks.legend
        << QCoreApplication::translate("NewtonTheory", "тёмные (○), мм: %1").arg(firstRadii(t.dark))
        << QCoreApplication::translate("NewtonTheory", "светлые (+), мм: %1")
               .arg(firstRadii(t.bright))
        << QCoreApplication::translate(
               "NewtonTheory",
               "В центре тёмное пятно: при отражении от пластинки теряется полволны");
    if (t.approximationFails)
        marks.legend << QCoreApplication::translate(
            "NewtonTheory", "Дальше от центра r ≪ R не выполняется: кольца не отмечены");
    if (t.tooDense)
        marks.legend << QCoreApplication::translate("NewtonTheory",
                                                    "Дальше кольца чаще 2 пикселей: не отмечены");
    return marks;
}
