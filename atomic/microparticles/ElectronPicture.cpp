#include "atomic/microparticles/ElectronPicture.h"

#include "atomic/microparticles/DifrPanel.h"
#include "atomic/microparticles/HitProbe.h"
#include "core/Numbers.h"

#include <QComboBox>

#include "atomic/microparticles/ElectronTheoryMarks.h"
#include <algorithm>

QStringList TElectronPicture::readoutAt(QPoint pixel) const {
    if (!screen->rect().contains(pixel)) return {};
    const double r = electrons::radiusAt(pixel.x(), pixel.y(), screen->width(), screen->height());
    const int hits = electrons::hitsInRing(screen->grid(), electrons::ringOf(r));
    return {tr("r = %1 пикс.").arg(r, 0, 'f', 1), tr("попаданий в кольце: %1").arg(hits)};
}

bool TElectronPicture::hasData() const {
    const std::vector<int> counts = electrons::hitHistogram(screen->grid());
    return std::any_of(counts.begin(), counts.end(), [](int n) { return n > 0; });
}

QString TElectronPicture::dataCsv() const {
    QString csv = tr("r (пикс.),попаданий") + '\n';
    const std::vector<int> counts = electrons::hitHistogram(screen->grid());
    for (std::size_t r = 0; r < counts.size(); ++r)
        csv += QStringLiteral("%1,%2\n").arg(r).arg(counts[r]);
    return csv;
}

OverlayMarks TElectronPicture::theory() const {
    // As the sampler reads the list: 30 kV when the text is no integer.
    const int kilovolts = readInteger(voltage->currentText().toStdString()).value_or(30);
    return electronTheoryMarks(kilovolts, screen->size());
}
