#include "geometric/lens/LensPicture.h"

#include "geometric/lens/AxisProbe.h"
#include "geometric/lens/LensTheoryMarks.h"
#include "geometric/lens/Unit3.h"

QStringList TLensPicture::readoutAt(QPoint pixel) const {
    // The scene puts the lens at the panel's centre, 10 pixels a centimetre.
    const LensParams p = form->readParams();
    const AxisReading r =
        axisReading(pixel.x(), pixel.y(), p.panelWidth / 2, p.panelHeight / 2, 10);
    return {tr("от линзы: %1 см").arg(r.distance, 0, 'f', 1),
            tr("высота: %1 см").arg(r.height, 0, 'f', 1)};
}

OverlayMarks TLensPicture::theory() const {
    const LensParams p = form->readParams();
    return lensTheoryMarks(p.D, p.d, p.h, p.a, QSize(p.panelWidth, p.panelHeight));
}
