#pragma once
// The readout of the reflection picture: the angles of incidence and
// refraction and the reflected and transmitted shares of the last frame.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm14;

class TBrewsterPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TBrewsterPicture)
  public:
    explicit TBrewsterPicture(const TForm14 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;

  private:
    const TForm14 *form;
};
