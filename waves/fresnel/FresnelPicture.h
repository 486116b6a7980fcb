#pragma once
// The readout and the data of the Fresnel rings or graph, from the window's
// last profile and its screen radius as the box reads now (as the labels do).
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TForm10;

class TFresnelPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TFresnelPicture)
  public:
    enum class Page { Rings, Graph };
    TFresnelPicture(TForm10 *form, Page page) : form(form), page(page) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return hasData(); }
    OverlayMarks theory() const override;
    bool hasData() const override;
    QString dataCsv() const override;

  private:
    double screenRadius() const;
    TForm10 *form;
    Page page;
};
