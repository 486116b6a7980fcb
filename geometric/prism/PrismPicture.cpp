#include "geometric/prism/PrismPicture.h"

#include "geometric/prism/PrismTheoryMarks.h"
#include "geometric/prism/Unit4.h"
#include "geometric/refraction/NormalProbe.h"

QStringList TPrismPicture::readoutAt(QPoint pixel) const {
    const PrismParams p = form->readParams();
    const prism::Frame f =
        prism::frameFor(p.panelWidth, p.panelHeight, p.imageWidth, p.imageHeight);
    const prism::Trace &t = form->lastTrace();
    const bool left = pixel.x() < f.apexX;
    // The middle ray of the fan stands for the beam at the second face.
    const prism::Ray &middle = t.rays[static_cast<std::size_t>(t.count / 2)];
    if (!t.beamShown || !t.prismShown || (!left && (t.count == 0 || !middle.entered))) return {};
    // A face from the apex to a base corner; its normal is the face turned a right angle.
    const int baseX = left ? f.leftX : f.rightX;
    const double fx = baseX - f.apexX, fy = f.baseY - f.apexY;
    const prism::Point at = left ? t.entry : middle.exit;
    const double angle = angleFromNormal(pixel.x(), pixel.y(), at.x, at.y, fy, -fx);
    return {left ? tr("у первой грани: %1° от нормали").arg(angle, 0, 'f', 1)
                 : tr("у второй грани: %1° от нормали").arg(angle, 0, 'f', 1)};
}

OverlayMarks TPrismPicture::theory() const {
    const PrismParams p = form->readParams();
    const prism::Frame f =
        prism::frameFor(p.panelWidth, p.panelHeight, p.imageWidth, p.imageHeight);
    const prism::Point s = beamSource(p);
    return prismTheoryMarks(f, s.x, s.y, p.n, p.D);
}
