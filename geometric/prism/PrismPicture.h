#pragma once
// The readout of the prism picture: the angle of the pointer's direction
// from the normal of the face on its side, at the beam's entry or exit.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm4;

class TPrismPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TPrismPicture)
  public:
    explicit TPrismPicture(const TForm4 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    const TForm4 *form;
};
