#include "polarisation/brewster/BrewsterPicture.h"

#include "polarisation/brewster/BrewsterProbe.h"
#include "polarisation/brewster/Unit14.h"

#include "polarisation/PolarisationTheoryMarks.h"
#include <numbers>

QStringList TBrewsterPicture::readoutAt(QPoint pixel) const {
    (void)pixel; // the whole bench shows one state
    const brewster::Frame &f = form->scene().shownFrame();
    if (!f.drawn) return {};
    const double toDegrees = 180 / std::numbers::pi;
    const brewster::LightShares s = brewster::lightShares(f);
    return {
        tr("α = %1°, β∥ = %2°, β⊥ = %3°")
            .arg(form->scene().params.inputs.alphaDegrees)
            .arg(f.c.betaPar * toDegrees, 0, 'f', 1)
            .arg(f.c.betaPerp * toDegrees, 0, 'f', 1),
        tr("отражается %1, проходит %2").arg(s.reflected, 0, 'f', 3).arg(s.transmitted, 0, 'f', 3)};
}

OverlayMarks TBrewsterPicture::theory() const {
    const brewster::Inputs &in = form->scene().params.inputs;
    return brewsterTheoryMarks(in.alphaDegrees, in.nPar, in.nPerp);
}
