#include "geometric/huygens/HuygensPicture.h"

#include "geometric/huygens/HuygensBeam.h"
#include "geometric/huygens/HuygensTheoryMarks.h"
#include "geometric/huygens/Unit15.h"

QStringList THuygensPicture::readoutAt(QPoint pixel) const {
    const huygens::Setup st = huygens::makeSetup(form->readInputs());
    const int y = pixel.y();
    if (y < st.yTop) return {tr("над пластинкой: %1 пикс.").arg(st.yTop - y)};
    if (y > st.yBot) return {tr("под пластинкой: %1 пикс.").arg(y - st.yBot)};
    return {tr("глубина в пластинке: %1 из %2 пикс.").arg(y - st.yTop).arg(st.yBot - st.yTop)};
}

OverlayMarks THuygensPicture::theory() const {
    return huygensTheoryMarks(form->readInputs());
}
