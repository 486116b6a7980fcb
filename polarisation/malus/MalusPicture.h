#pragma once
// The readout and the curve of the Malus picture, from the scene's angle.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm16;

class TMalusPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TMalusPicture)
  public:
    explicit TMalusPicture(const TForm16 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override;
    bool hasData() const override { return true; }
    QString dataCsv() const override;

  private:
    const TForm16 *form;
};
