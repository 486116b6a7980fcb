#include "waves/newton/NewtonTheoryMarks.h"

#include "waves/newton/NewtonTheory.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("NewtonTheory", text);
}

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
    marks.legend << tr("Тёмные кольца: r = √(m λ R), светлые: r = √((m − ½) λ R)")
                 << tr("λ = %1 нм, R = %2 м")
                        .arg(static_cast<double>(in.wavelength))
                        .arg(static_cast<double>(in.Rc));
    const NewtonTheory t = newtonTheory(in);
    if (t.dark.empty() && t.bright.empty()) {
        marks.legend << tr("Нет колец при этих данных");
        return marks;
    }
    const double n = static_cast<double>(newtonRingCount(in.a, in.h));
    for (double r : t.dark) {
        const double p = newtonPixels(r, in);
        marks.ellipses << QRectF(n - p, n - p, 2 * p, 2 * p);
    }
    for (double r : t.bright)
        marks.points << QPointF(n + newtonPixels(r, in), n);
    marks.legend << tr("тёмные (○), мм: %1").arg(firstRadii(t.dark))
                 << tr("светлые (+), мм: %1").arg(firstRadii(t.bright))
                 << tr("В центре тёмное пятно: при отражении от пластинки теряется полволны");
    if (t.approximationFails)
        marks.legend << tr("Дальше от центра r ≪ R не выполняется: кольца не отмечены");
    if (t.tooDense) marks.legend << tr("Дальше кольца чаще 2 пикселей: не отмечены");
    return marks;
}
