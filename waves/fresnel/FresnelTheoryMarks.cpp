#include "waves/fresnel/FresnelTheoryMarks.h"

#include "waves/fresnel/FresnelTheory.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("FresnelTheory", text);
}

} // namespace

OverlayMarks fresnelTheoryMarks(const FresnelInputs &in, bool graph) {
    OverlayMarks marks;
    marks.legend << tr("Зон Френеля: m = r² (1/z₁ + 1/z₂) / λ; в центре I ~ sin²(π m / 2)");
    const FresnelTheory t = fresnelTheory(in);
    if (!t.valid) {
        marks.legend << tr("Нет отверстия или данные неверны");
        return marks;
    }
    marks.legend << tr("λ = %1 нм, z₁ = %2 м, z₂ = %3 м, r = %4…%5 м")
                        .arg(in.wavelengthNm)
                        .arg(double(in.z1))
                        .arg(double(in.z2))
                        .arg(double(in.innerRadius))
                        .arg(double(in.outerRadius));
    if (t.paraxialFails) {
        marks.legend << tr("Отверстие не мало по сравнению с z₁, z₂: формула зон неприменима");
        return marks;
    }
    const bool bright = t.centre >= 0.5;
    marks.legend << tr("Открыто зон: %1; в центре %2 (%3 от наибольшего)")
                        .arg(QString::number(t.openZones, 'f', 2))
                        .arg(bright ? tr("светло") : tr("темно"))
                        .arg(QString::number(t.centre, 'f', 2));
    marks.labels << OverlayMarks::Label{QPointF(204, graph ? 14 : 196),
                                        bright ? tr("светло") : tr("темно")};
    if (!graph) return marks;
    marks.legend << tr("Линии: границы зон в отверстии, в масштабе графика");
    for (double r : t.edges)
        for (double x : {fresnelPixel(r, in), fresnelPixel(-r, in)})
            marks.lines << QLineF(x, 0, x, 350);
    return marks;
}
