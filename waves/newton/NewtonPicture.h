#pragma once
// The readout and the data of the computed rings.
#include "waves/newton/NewtonRings.h"
#include "widgets/Overlay.h"

#include <QCoreApplication>
#include <vector>

class TNewtonPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TNewtonPicture)
  public:
    // The inputs and levels of the picture now drawn.
    void setRings(const NewtonInputs &inputs, const std::vector<int> &levels);
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return hasData(); }
    OverlayMarks theory() const override;
    bool hasData() const override { return !profile.empty(); }
    QString dataCsv() const override;

  private:
    NewtonInputs in;
    std::vector<int> profile;
};
