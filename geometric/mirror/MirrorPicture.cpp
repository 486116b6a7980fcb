#include "geometric/mirror/MirrorPicture.h"

#include "geometric/mirror/MirrorTheoryMarks.h"
#include "geometric/mirror/PlaneMirror.h"
#include "geometric/mirror/Unit5.h"

QStringList TMirrorPicture::readoutAt(QPoint pixel) const {
    const MirrorParams p = form->readParams();
    const planemirror::Point image = planemirror::imageOf(p.width, pixel.x(), pixel.y());
    const int a = planemirror::mirrorX(p.width);
    return {tr("точка: x = %1, y = %2 пикс.").arg(pixel.x() - a).arg(pixel.y()),
            tr("изображение: x = %1, y = %2 пикс.").arg(image.x - a).arg(image.y)};
}

OverlayMarks TMirrorPicture::theory() const {
    const MirrorParams p = form->readParams();
    return mirrorTheoryMarks(p.width, p.lamp, p.eye);
}
