#include "waves/fresnel/FresnelTheoryMarks.h"

#include "waves/fresnel/FresnelTheory.h"

#include <QCoreApplication>

OverlayMarks fresnelTheoryMarks(const FresnelInputs &in, bool graph) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
        "FresnelTheory", "Зон Френеля: m = r² (1/z₁ + 1/z₂) / λ; в центре I ~ sin²(π m / 2)");
    const FresnelTheory t = fresnelTheory(in);
    if (!t.valid) {
        marks.legend << QCoreApplication::translate("FresnelTheory",
                                                    "Нет отверстия или данные неверны");
        return marks;
    }
    marks.legend << QCoreApplication::translate("FresnelTheory",
                                                "λ = %1 нм, z₁ = %2 м, z₂ = %3 м, r = %4…%5 м")
                        .arg(in.wavelengthNm)
                        .arg(double(in.z1))
                        .arg(double(in.z2))
                        .arg(double(in.innerRadius))
                        .arg(double(in.outerRadius));
    if (t.paraxialFails) {
        marks.legend << QCoreApplication::translate(
            "FresnelTheory", "Отверстие не мало по сравнению с z₁, z₂: формула зон неприменима");
        return marks;
    }
    const bool bright = t.centre >= 0.5;
    marks.legend << QCoreApplication::translate("FresnelTheory",
                                                "Открыто зон: %1; в центре %2 (%3 от наибольшего)")
                        .arg(QString::number(t.openZones, 'f', 2))
                        .arg(bright ? QCoreApplication::translate("FresnelTheory", "светло")
                                    : QCoreApplication::translate("FresnelTheory", "темно"))
                        .arg(QString::number(t.centre, 'f', 2));
    marks.labels << OverlayMarks::Label{
        QPointF(204, graph ? 14 : 196),
        bright ? QCoreApplication::translate("FresnelTheory", "светло")
               : QCoreApplication::translate("FresnelTheory", "темно")};
    if (!graph) return marks;
    marks.legend << QCoreApplication::translate(
        "FresnelTheory", "Линии: границы зон в отверстии, в масштабе графика");
    for (double r : t.edges)
        for (double x : {fresnelPixel(r, in), fresnelPixel(-r, in)})
            marks.lines << QLineF(x, 0, x, 350);
    return marks;
}
