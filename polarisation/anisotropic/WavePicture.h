#pragma once
// The readout of a wave picture, before or behind the plate: its thickness,
// and the field components at the pointer (the vector square) or at the
// moment of the pointer's column (the time plot), as shares of the amplitude.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm11;

class TWavePicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TWavePicture)
  public:
    TWavePicture(const TForm11 *form, bool behind) : form(form), behind(behind) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    const TForm11 *form;
    bool behind;
};
