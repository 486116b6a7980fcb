#include "geometric/focal/FocalTheoryMarks.h"

#include "geometric/focal/FocalTheory.h"

#include <QCoreApplication>

OverlayMarks focalTheoryMarks(int F, int tiltDegrees, QSize picture) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
        "FocalTheory", "Параллельный пучок под углом φ собирается в фокальной плоскости "
                       "на высоте y = F tg φ");
    const FocalTheory t = focalTheory(F, tiltDegrees, picture.width(), picture.height());
    if (!t.valid) return marks;
    marks.legend << QCoreApplication::translate("FocalTheory", "F = %1 пикс. (%2), φ = %3°")
                        .arg(F)
                        .arg(F > 0 ? QCoreApplication::translate("FocalTheory", "собирающая")
                                   : QCoreApplication::translate("FocalTheory",
                                                                 "рассеивающая, фокус мнимый"))
                        .arg(tiltDegrees);
    marks.points << QPointF(t.focusX, t.focusY);
    if (!t.paraxial) {
        marks.legend << QCoreApplication::translate(
                            "FocalTheory",
                            "|φ| > %1°: приближение малых углов не выполняется, точка не отмечена")
                            .arg(kParaxialLimit);
        return marks;
    }
    if (tiltDegrees != 0) {
        marks.points << QPointF(t.focusX, t.beamY);
        marks.labels << OverlayMarks::Label{QPointF(t.focusX + 5, t.beamY - 5),
                                            QCoreApplication::translate("FocalTheory", "F tg φ")};
    }
    marks.legend << QCoreApplication::translate("FocalTheory", "y = %1 пикс. от оси")
                        .arg(QString::number(t.beamY - t.focusY, 'f', 1));
    return marks;
}
