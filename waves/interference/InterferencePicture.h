#pragma once
// The readout and the data of the intensity graph: y on the screen and the
// intensity drawn at the pointer's column; every computed sample as CSV.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class TGraphPanel;

class TInterferencePicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TInterferencePicture)
  public:
    explicit TInterferencePicture(const TGraphPanel *graph) : graph(graph) {}
    QStringList readoutAt(QPoint pixel) const override;
    bool hasData() const override;
    QString dataCsv() const override;

  private:
    const TGraphPanel *graph;
};
