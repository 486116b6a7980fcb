#pragma once
// The black area showing the computed intensity in white; the wheel zooms
// (plain: vertical, Shift: horizontal) and scrolls (Ctrl).
#include "waves/interference/InterferenceBuffer.h"
#include "waves/interference/InterferencePlot.h"

#include <QImage>
#include <QWidget>

class QScrollBar;

class TGraphPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TGraphPanel(QWidget *parent = nullptr);
    QScrollBar *ScrollBar = nullptr;

    long double VerticalScale = 1.0L;
    long double HorizontalScale = 1.0L;
    long double Ymax = 0;

    // Takes the new result (with its block sums, if any) and gives back the
    // one held before.
    MappedSamples SetData(MappedSamples data, int count, SampleSummary summary = {});
    int Count() const { return count; }
    const float *Data() const { return data.data(); }
    // Large step of the scroll bar, then a full repaint.
    void Repaint();
    GraphView view() const;

  signals:
    // The screen coordinate under the pointer, for the status label.
    void statusChanged(const QString &text);
    // The wheel changed a scale; the text is the scale as the edits show it.
    void verticalScaleChanged(const QString &text);
    void horizontalScaleChanged(const QString &text);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

  private:
    MappedSamples data;
    SampleSummary summary;
    int count = 0;
    QImage image;
};
