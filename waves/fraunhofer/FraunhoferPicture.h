#pragma once
// The readout and the data of the Fraunhofer picture, from the window's last
// result and its screen side as the boxes read now (as the outline does).
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm9;

class TFraunhoferPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TFraunhoferPicture)
  public:
    explicit TFraunhoferPicture(TForm9 *form) : form(form) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return hasData(); }
    OverlayMarks theory() const override;
    bool hasData() const override;
    QString dataCsv() const override;

  private:
    TForm9 *form;
};
