#pragma once
// The readout of the lens picture: distance from the lens and height, in cm.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm3;

class TLensPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TLensPicture)
  public:
    explicit TLensPicture(const TForm3 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    const TForm3 *form;
};
