#include "geometric/lens/LensTheoryMarks.h"

#include "geometric/lens/LensTheory.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("LensTheory", text);
}

QString cm(double v) {
    return QString::number(v, 'f', 2);
}

} // namespace

OverlayMarks lensTheoryMarks(double D, double d, double h, double tiltDegrees, QSize picture) {
    OverlayMarks marks;
    marks.legend << tr("Тонкая линза: 1/d + 1/f = D, увеличение Γ = −f / d");
    const LensTheory t = lensTheory(D, d, h, tiltDegrees);
    if (!t.valid) {
        marks.legend << tr("D, d и h должны быть не равны 0");
        return marks;
    }
    marks.legend << tr("D = %1 дптр (F = %2 см), d = %3 см, h = %4 см")
                        .arg(D)
                        .arg(cm(t.focal))
                        .arg(d)
                        .arg(h);
    const double cx = picture.width() / 2, cy = picture.height() / 2;
    if (t.atFocus) {
        marks.legend << tr("Предмет в фокусе: изображение в бесконечности");
    } else {
        marks.legend << tr("f = %1 см (%2), Γ = %3, h' = %4 см")
                            .arg(cm(t.image))
                            .arg(t.image < 0 ? tr("мнимое") : tr("действительное"))
                            .arg(cm(t.magnification))
                            .arg(cm(std::abs(t.magnification * h)));
        marks.points << QPointF(cx + 10 * t.image, cy);
    }
    if (!t.tipAtFocus) {
        const QPointF tip(cx + 10 * t.tipImage, cy - 10 * t.tipHeight);
        marks.points << tip;
        marks.labels << OverlayMarks::Label{tip + QPointF(5, -5), tr("И (теория)")};
    }
    if (tiltDegrees != 90 && !t.atFocus)
        marks.legend << tr("Наклонный предмет: h' = |Γ| h верно только для a = 90°");
    return marks;
}
