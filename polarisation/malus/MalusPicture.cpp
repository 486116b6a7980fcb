#include "polarisation/malus/MalusPicture.h"

#include "polarisation/malus/MalusProbe.h"
#include "polarisation/malus/Unit16.h"
#include "widgets/Surface.h"

#include "polarisation/PolarisationTheoryMarks.h"
#include <numbers>

QStringList TMalusPicture::readoutAt(QPoint pixel) const {
    (void)pixel; // the whole bench shows one state
    const MalusParams &p = form->scene().params;
    const malus::PolariserAngles a = malus::polariserAngles(p.thetaDegrees, p.oneFixed);
    const double toDegrees = 180 / std::numbers::pi;
    return {tr("θ = %1°: поляроиды %2° и %3°")
                .arg(p.thetaDegrees)
                .arg(a.first * toDegrees, 0, 'f', 1)
                .arg(a.second * toDegrees, 0, 'f', 1),
            tr("проходит %1 света между поляроидами")
                .arg(malus::transmittedShare(p.thetaDegrees), 0, 'f', 3),
            tr("I = %1 от падающего").arg(malus::intensityBehind(p.thetaDegrees), 0, 'f', 3)};
}

QString TMalusPicture::dataCsv() const {
    QString csv = tr("θ (°),доля между поляроидами,I за вторым (доля падающего)") + '\n';
    for (const malus::CurveRow &r : malus::malusCurve())
        csv += QStringLiteral("%1,%2,%3\n")
                   .arg(r.thetaDegrees)
                   .arg(QString::number(r.share, 'g', 12))
                   .arg(QString::number(r.intensity, 'g', 12));
    return csv;
}

OverlayMarks TMalusPicture::theory() const {
    return malusTheoryMarks(form->scene().params.thetaDegrees, form->Panel2->size());
}
