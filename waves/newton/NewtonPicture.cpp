#include "waves/newton/NewtonPicture.h"

#include "waves/newton/NewtonProbe.h"
#include "waves/newton/NewtonTheoryMarks.h"

void TNewtonPicture::setRings(const NewtonInputs &inputs, const std::vector<int> &levels) {
    in = inputs;
    profile = levels;
}

QStringList TNewtonPicture::readoutAt(QPoint pixel) const {
    const auto r = probeNewton(in, profile, pixel.x(), pixel.y());
    if (!r) return {};
    return {tr("r = %1 мм").arg(r->radiusMm, 0, 'g', 4),
            tr("I = %1 от наибольшей").arg(r->intensity, 0, 'f', 3)};
}

QString TNewtonPicture::dataCsv() const {
    QString csv = tr("r (мм),I (доля наибольшей)") + '\n';
    for (const NewtonRow &row : newtonProfileRows(in, profile))
        csv += QString::number(row.radiusMm, 'g', 10) + ',' +
               QString::number(row.intensity, 'g', 12) + '\n';
    return csv;
}

OverlayMarks TNewtonPicture::theory() const {
    return newtonTheoryMarks(in);
}
