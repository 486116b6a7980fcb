#pragma once
// The readout of the mirror picture: the pointer's coordinates and those of
// its image in the mirror, in pixels from the mirror and the top edge.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm5;

class TMirrorPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TMirrorPicture)
  public:
    explicit TMirrorPicture(const TForm5 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    const TForm5 *form;
};
