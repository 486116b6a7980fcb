#include "waves/spectrometer/GratingTheoryMarks.h"

#include "waves/spectrometer/GratingTheory.h"

#include <QCoreApplication>
#include <cmath>

OverlayMarks gratingTheoryMarks(const SpectrumSource &source, bool whiteLight, bool firstOrder,
                                bool secondOrder, QSize picture) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
        "GratingTheory", "Решётка: d sin θ = m λ, d = 2000 нм; на экране (W − 350) · 0.4 · tg θ");
    if (!firstOrder && !secondOrder) {
        marks.legend << QCoreApplication::translate("GratingTheory",
                                                    "1-й и 2-й порядки не показаны");
        return marks;
    }
    if (whiteLight)
        marks.legend << QCoreApplication::translate("GratingTheory",
                                                    "Белый свет: отмечены 400, 500, 600 и 700 нм");
    const double a = picture.height() / 2, p = picture.width() - 75;
    QStringList angles;
    for (const GratingLine &g :
         gratingTheory(source, whiteLight, firstOrder, secondOrder, picture.width())) {
        if (!g.exists || !std::isfinite(g.offset)) {
            angles << QCoreApplication::translate(
                          "GratingTheory", "%1 нм, m = %2: sin θ > 1, такого направления нет")
                          .arg(g.lambda)
                          .arg(g.order);
            continue;
        }
        for (double y : {a - g.offset, a + g.offset}) {
            marks.lines << QLineF(p + 32, y, p + 44, y);
            marks.labels << OverlayMarks::Label{QPointF(p - 34, y - 2), QString::number(g.lambda)};
        }
        angles << QCoreApplication::translate("GratingTheory", "%1 нм, m = %2: θ = %3°")
                      .arg(g.lambda)
                      .arg(g.order)
                      .arg(QString::number(g.angle, 'f', 1));
    }
    if (angles.isEmpty())
        marks.legend << QCoreApplication::translate("GratingTheory",
                                                    "У источника нет линий в показанных порядках");
    for (qsizetype i = 0; i < angles.size() && i < 8; ++i)
        marks.legend << angles[i];
    if (angles.size() > 8) marks.legend << QStringLiteral("…");
    return marks;
}
