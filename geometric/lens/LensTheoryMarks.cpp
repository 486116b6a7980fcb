#include "geometric/lens/LensTheoryMarks.h"

#include "geometric/lens/LensTheory.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString cm(double v) {
    return QString::number(v, 'f', 2);
}

} // namespace

OverlayMarks lensTheoryMarks(double D, double d, double h, double tiltDegrees, QSize picture) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
        "LensTheory", "Тонкая линза: 1/d + 1/f = D, увеличение Γ = −f / d");
    const LensTheory t = lensTheory(D, d, h, tiltDegrees);
    if (!t.valid) {
        marks.legend << QCoreApplication::translate("LensTheory",
                                                    "D, d и h должны быть не равны 0");
        return marks;
    }
    marks.legend << QCoreApplication::translate("LensTheory",
                                                "D = %1 дптр (F = %2 см), d = %3 см, h = %4 см")
                        .arg(D)
                        .arg(cm(t.focal))
                        .arg(d)
                        .arg(h);
    const double cx = picture.width() / 2, cy = picture.height() / 2;
    if (t.atFocus) {
        marks.legend << QCoreApplication::translate(
            "LensTheory", "Предмет в фокусе: изображение в бесконечности");
    } else {
        marks.legend << QCoreApplication::translate("LensTheory",
                                                    "f = %1 см (%2), Γ = %3, h' = %4 см")
                            .arg(cm(t.image))
                            .arg(t.image < 0
                                     ? QCoreApplication::translate("LensTheory", "мнимое")
                                     : QCoreApplication::translate("LensTheory", "действительное"))
                            .arg(cm(t.magnification))
                            .arg(cm(std::abs(t.magnification * h)));
        marks.points << QPointF(cx + 10 * t.image, cy);
    }
    if (!t.tipAtFocus) {
        const QPointF tip(cx + 10 * t.tipImage, cy - 10 * t.tipHeight);
        marks.points << tip;
        marks.labels << OverlayMarks::Label{
            tip + QPointF(5, -5), QCoreApplication::translate("LensTheory", "И (теория)")};
    }
    if (tiltDegrees != 90 && !t.atFocus)
        marks.legend << QCoreApplication::translate(
            "LensTheory", "Наклонный предмет: h' = |Γ| h верно только для a = 90°");
    return marks;
}
