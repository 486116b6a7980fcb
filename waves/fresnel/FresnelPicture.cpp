#include "waves/fresnel/FresnelPicture.h"

#include "waves/fresnel/FresnelProbe.h"
#include "waves/fresnel/Unit10.h"

#include "waves/fresnel/FresnelTheoryMarks.h"
#include <algorithm>

double TFresnelPicture::screenRadius() const {
    return static_cast<double>(form->readInputs().screenRadius);
}

QStringList TFresnelPicture::readoutAt(QPoint pixel) const {
    const auto entry =
        page == Page::Rings ? fresnelRingEntry(pixel.x(), pixel.y()) : fresnelGraphEntry(pixel.x());
    if (!entry || !hasData()) return {};
    const FresnelReading r = fresnelReading(form->Result, screenRadius(), *entry);
    return {tr("r = %1 мм").arg(r.radiusMm, 0, 'f', 4),
            tr("I = %1 от наибольшей").arg(r.intensity, 0, 'f', 3)};
}

bool TFresnelPicture::hasData() const {
    const auto &v = form->Result;
    return std::any_of(v.begin(), v.end(), [](std::int32_t g) { return g != 0; });
}

QString TFresnelPicture::dataCsv() const {
    QString csv = tr("r (мм),I (доля наибольшей)") + '\n';
    for (const FresnelReading &r : fresnelRows(form->Result, screenRadius()))
        csv += QString::number(r.radiusMm, 'g', 10) + ',' + QString::number(r.intensity, 'g', 12) +
               '\n';
    return csv;
}

OverlayMarks TFresnelPicture::theory() const {
    return fresnelTheoryMarks(form->readInputs(), page == Page::Graph);
}
