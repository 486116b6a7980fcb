#include "waves/interference/InterferencePicture.h"

#include "waves/interference/GraphPanel.h"
#include "waves/interference/InterferenceTheoryMarks.h"

QStringList TInterferencePicture::readoutAt(QPoint pixel) const {
    const GraphView v = graph->view();
    const auto value = graphValueAt(v, pixel.x());
    if (!value) return {};
    const float y = graphCoordinateAt(v, pixel.x(), graph->Ymax);
    return {tr("y = %1 м").arg(double(y), 0, 'g', 6), tr("I = %1").arg(double(*value), 0, 'g', 5)};
}

bool TInterferencePicture::hasData() const {
    return graph->Count() > 0 && graph->Data();
}

QString TInterferencePicture::dataCsv() const {
    QString csv = tr("y (м),I (отн. ед.)") + '\n';
    if (!hasData()) return csv;
    const int count = graph->Count();
    const float *samples = graph->Data();
    for (long long k = 0; k < count; ++k)
        csv += QString::number(graphSampleCoordinate(count, graph->Ymax, k), 'g', 12) + ',' +
               QString::number(double(samples[k]), 'g', 9) + '\n';
    return csv;
}

OverlayMarks TInterferencePicture::theory() const {
    return shown ? interferenceTheoryMarks(*shown, graph->view()) : OverlayMarks{};
}
