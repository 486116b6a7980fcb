#include "geometric/refraction/RefractionPicture.h"

#include "geometric/refraction/NormalProbe.h"
#include "geometric/refraction/RefractionTheory.h"
#include "geometric/refraction/RefractionTheoryMarks.h"
#include "geometric/refraction/Unit2.h"

QStringList TRefractionPicture::readoutAt(QPoint pixel) const {
    // The boundary is horizontal through the point of incidence at the
    // image's centre; the lamp's medium (n1) lies above it.
    const RefractionParams p = form->readParams();
    const int cx = p.imageWidth / 2, cy = p.imageHeight / 2;
    const double angle = angleFromNormal(pixel.x(), pixel.y(), cx, cy, 0, 1);
    return {tr("угол с нормалью: %1°").arg(angle, 0, 'f', 1),
            pixel.y() < cy ? tr("среда 1, n = %1").arg(p.n1) : tr("среда 2, n = %1").arg(p.n2)};
}

OverlayMarks TRefractionPicture::theory() const {
    const RefractionParams p = form->readParams();
    const double alpha =
        lampIncidence(p.imageWidth, p.imageHeight, p.lampLeft, p.lampWidth, p.lampHeight);
    return refractionTheoryMarks(p.n1, p.n2, alpha, QSize(p.imageWidth, p.imageHeight));
}
