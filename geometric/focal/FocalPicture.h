#pragma once
// The readout of the focal-length picture: distance from the lens plane and
// height above the axis, in pixels as the focal length is counted.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm6;

class TFocalPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TFocalPicture)
  public:
    explicit TFocalPicture(const TForm6 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    const TForm6 *form;
};
