#include "geometric/focal/FocalPicture.h"

#include "geometric/focal/FocalTheoryMarks.h"
#include "geometric/focal/Unit6.h"
#include "geometric/lens/AxisProbe.h"

QStringList TFocalPicture::readoutAt(QPoint pixel) const {
    // The lens plane and the axis cross at the image's centre.
    const FocalParams p = form->readParams();
    const AxisReading r = axisReading(pixel.x(), pixel.y(), p.imageWidth / 2, p.imageHeight / 2, 1);
    return {tr("от линзы: %1 пикс.").arg(r.distance), tr("высота: %1 пикс.").arg(r.height),
            tr("F = %1 пикс.").arg(p.F)};
}

OverlayMarks TFocalPicture::theory() const {
    const FocalParams p = form->readParams();
    return focalTheoryMarks(p.F, p.T, QSize(p.imageWidth, p.imageHeight));
}
