#pragma once
// The readout and the data of the intensity graph: y on the screen and the
// intensity drawn at the pointer's column; every computed sample as CSV.
#include "waves/interference/InterferenceKernel.h"
#include "widgets/Overlay.h"

#include <QCoreApplication>
#include <optional>

class TGraphPanel;

class TInterferencePicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TInterferencePicture)
  public:
    explicit TInterferencePicture(const TGraphPanel *graph) : graph(graph) {}
    // The inputs of the graph now drawn.
    void setInputs(const InterferenceInputs &inputs) { shown = inputs; }
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return hasData() && shown.has_value(); }
    OverlayMarks theory() const override;
    bool hasData() const override;
    QString dataCsv() const override;

  private:
    const TGraphPanel *graph;
    std::optional<InterferenceInputs> shown;
};
