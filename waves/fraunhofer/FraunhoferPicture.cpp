#include "waves/fraunhofer/FraunhoferPicture.h"

#include "waves/fraunhofer/FraunhoferProbe.h"
#include "waves/fraunhofer/Unit9.h"

#include "waves/fraunhofer/FraunhoferTheoryMarks.h"
#include <QComboBox>
#include <algorithm>

namespace {

bool shadowOf(const TForm9 *form) {
    return form->ComboBox1->currentIndex() != 0;
}

} // namespace

QStringList TFraunhoferPicture::readoutAt(QPoint pixel) const {
    const auto r = probeFraunhofer(form->Result, form->readInputs().screen, shadowOf(form),
                                   pixel.x(), pixel.y());
    if (!r || !hasData()) return {};
    return {tr("x = %1 мм, y = %2 мм").arg(r->xMm, 0, 'f', 2).arg(r->yMm, 0, 'f', 2),
            tr("I = %1 % от наибольшей").arg(r->percent, 0, 'f', 1)};
}

bool TFraunhoferPicture::hasData() const {
    const auto &v = form->Result.value;
    return std::any_of(v.begin(), v.end(), [](std::int32_t g) { return g != 0; });
}

QString TFraunhoferPicture::dataCsv() const {
    const double screen = form->readInputs().screen;
    const bool shadow = shadowOf(form);
    QString csv = tr("x (мм),y (мм),I (% от наибольшей)") + '\n';
    csv.reserve(kFraunhoferSide * kFraunhoferSide * 24);
    for (int y = 0; y < kFraunhoferSide; ++y)
        for (int x = 0; x < kFraunhoferSide; ++x) {
            const auto r = probeFraunhofer(form->Result, screen, shadow, x, y);
            csv += QString::number(r->xMm, 'g', 8) + ',' + QString::number(r->yMm, 'g', 8) + ',' +
                   QString::number(r->percent, 'g', 6) + '\n';
        }
    return csv;
}

OverlayMarks TFraunhoferPicture::theory() const {
    return fraunhoferTheoryMarks(form->readInputs());
}
