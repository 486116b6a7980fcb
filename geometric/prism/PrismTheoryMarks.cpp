#include "geometric/prism/PrismTheoryMarks.h"

#include "geometric/prism/PrismTheory.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

namespace {

QString deg(double radians) {
    return QString::number(radians * 180 / std::numbers::pi, 'f', 2);
}

// The predicted emergent ray from the picture's exit point, on the
// picture's own scales b and d.
void emergent(OverlayMarks &marks, const prism::Frame &f, const prism::Ray &drawn,
              const PrismRay &ray, const QString &name) {
    if (!ray.leaves || !drawn.entered || drawn.totallyReflected) return;
    const QPointF from(drawn.exit.x, drawn.exit.y);
    const QPointF to =
        from + QPointF(f.b * std::cos(ray.direction), -f.d * std::sin(ray.direction));
    marks.lines << QLineF(from, to);
    marks.labels << OverlayMarks::Label{to + QPointF(3, 0), name};
}

} // namespace

OverlayMarks prismTheoryMarks(const prism::Frame &frame, int Sx, int Sy, double n, double D) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
        "PrismTheory", "Призма A = 60°: отклонение δ = i₁ + γ − A (закон Снеллиуса на гранях)");
    const prism::Trace drawn = prism::trace(frame, Sx, Sy, n, D);
    if (!drawn.beamShown || drawn.count == 0) {
        marks.legend << QCoreApplication::translate("PrismTheory",
                                                    "Нет луча: n < 1 или лампа не слева от призмы");
        return marks;
    }
    const PrismTheory t = prismTheory(double(drawn.theta) + std::numbers::pi / 6, n, D);
    marks.legend << QCoreApplication::translate("PrismTheory", "n = %1, D = %2, i₁ = %3°")
                        .arg(n)
                        .arg(D)
                        .arg(deg(t.incidence));
    const PrismRay *rays[] = {&t.red, &t.violet};
    const QString names[] = {QCoreApplication::translate("PrismTheory", "красный"),
                             QCoreApplication::translate("PrismTheory", "фиолетовый")};
    for (int k = 0; k < 2; ++k)
        marks.legend << (rays[k]->leaves
                             ? QCoreApplication::translate("PrismTheory", "%1 (n = %2): δ = %3°")
                                   .arg(names[k])
                                   .arg(QString::number(rays[k]->n, 'f', 4))
                                   .arg(deg(rays[k]->deviation))
                             : QCoreApplication::translate(
                                   "PrismTheory", "%1 (n = %2): полное внутреннее отражение")
                                   .arg(names[k])
                                   .arg(QString::number(rays[k]->n, 'f', 4)));
    emergent(marks, frame, drawn.rays[0], t.red, QCoreApplication::translate("PrismTheory", "к"));
    emergent(marks, frame, drawn.rays[drawn.count - 1], t.violet,
             QCoreApplication::translate("PrismTheory", "ф"));
    if (t.hasMinimum)
        marks.legend << QCoreApplication::translate(
                            "PrismTheory", "δmin = 2 arcsin(n sin 30°) − A = %1° при i₁ = %2°")
                            .arg(deg(t.minimumDeviation))
                            .arg(deg(t.minimumIncidence));
    return marks;
}
