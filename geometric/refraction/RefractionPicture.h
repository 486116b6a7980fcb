#pragma once
// The readout of the refraction picture: the angle of the pointer's
// direction from the normal at the point of incidence, and its medium.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm2;

class TRefractionPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TRefractionPicture)
  public:
    explicit TRefractionPicture(const TForm2 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    const TForm2 *form;
};
