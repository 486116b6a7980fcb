#pragma once
// The readout of the Huygens picture: the pointer's depth in the plate, in
// pixels from its upper surface.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm15;

class THuygensPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(THuygensPicture)
  public:
    explicit THuygensPicture(TForm15 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    TForm15 *form;
};
