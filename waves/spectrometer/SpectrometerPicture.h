#pragma once
// The readout and the data of the spectrometer's picture, from the window's
// source and order boxes as the picture was last drawn with them.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm8;
struct SpectrometerParams;

class TSpectrometerPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TSpectrometerPicture)
  public:
    explicit TSpectrometerPicture(const TForm8 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override;
    OverlayMarks theory() const override;
    bool hasData() const override;
    QString dataCsv() const override;

  private:
    SpectrometerParams params() const;
    const TForm8 *form;
};
