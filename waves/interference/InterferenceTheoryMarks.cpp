#include "waves/interference/InterferenceTheoryMarks.h"

#include "waves/interference/InterferenceTheory.h"

#include <QCoreApplication>

namespace {

QString mm(double metres) {
    return QString::number(metres * 1e3, 'f', 2);
}

// Lines and crosses for the maxima inside the graph's width.
void drawMaxima(OverlayMarks &marks, const InterferenceTheory &t, const InterferenceInputs &in,
                const GraphView &v) {
    const double base = v.height - v.barHeight - 3;
    auto column = [&](double y) {
        return interferenceColumn(y, in.step, v.count, v.width, double(v.horizontalScale),
                                  v.position);
    };
    for (const InterferenceMaximum &m : t.maxima) {
        const double x = column(m.y);
        if (x < 0 || x >= v.width) continue;
        marks.lines << QLineF(x, 0, x, base);
        if (m.order >= -3 && m.order <= 3)
            marks.labels << OverlayMarks::Label{QPointF(x + 2, 12), QString::number(m.order)};
        if (m.smallAngleOk) marks.points << QPointF(column(m.smallAngle), base);
    }
}

void describe(OverlayMarks &marks, const InterferenceTheory &t, const InterferenceInputs &in) {
    const bool two = t.arrangement == InterferenceArrangement::Two;
    marks.legend << (two ? QCoreApplication::translate(
                               "InterferenceTheory",
                               "Два источника: максимумы при r₁ − r₂ = m λ (линии), "
                               "при малых углах y = m λ L / d (+)")
                         : QCoreApplication::translate(
                               "InterferenceTheory",
                               "%1 одинаковых источников: главные максимумы d sin θ = m λ "
                               "(линии), при малых углах y = m λ L / d (+)")
                               .arg(t.sources));
    marks.legend << QCoreApplication::translate("InterferenceTheory",
                                                "λ = %1 нм, L = %2 м, d = %3 мм")
                        .arg(in.wavelengthNm)
                        .arg(in.distance)
                        .arg(mm(t.spacing));
    for (const InterferenceMaximum &m : t.maxima)
        if (m.order == 1)
            marks.legend << QCoreApplication::translate("InterferenceTheory",
                                                        "m = 1: y = %1 мм, малые углы: %2 мм")
                                .arg(mm(m.y - t.centre))
                                .arg(mm(m.smallAngle - t.centre));
    for (const InterferenceMaximum &m : t.maxima)
        if (!m.smallAngleOk && m.order > 0) {
            marks.legend << QCoreApplication::translate(
                                "InterferenceTheory",
                                "С m = %1 малые углы расходятся с точным больше 1 %: + не ставится")
                                .arg(m.order);
            break;
        }
    if (t.tooMany)
        marks.legend << QCoreApplication::translate(
            "InterferenceTheory", "Максимумов на экране слишком много, чтобы их отметить");
}

} // namespace

OverlayMarks interferenceTheoryMarks(const InterferenceInputs &in, const GraphView &view) {
    OverlayMarks marks;
    const InterferenceTheory t = interferenceTheory(in);
    switch (t.arrangement) {
    case InterferenceArrangement::NoSources:
        marks.legend << QCoreApplication::translate("InterferenceTheory", "Нет источников");
        return marks;
    case InterferenceArrangement::One:
        marks.legend << QCoreApplication::translate("InterferenceTheory",
                                                    "Один источник: интерференции нет");
        return marks;
    case InterferenceArrangement::Irregular:
        marks.legend << QCoreApplication::translate(
            "InterferenceTheory",
            "Источники не одинаковы или не равноотстоят: простой формулы нет");
        return marks;
    default:
        break;
    }
    describe(marks, t, in);
    if (view.count > 0 && view.width > 0) drawMaxima(marks, t, in, view);
    return marks;
}
