#pragma once
// The black area showing the computed intensity in white; the wheel zooms
// (plain: vertical, Shift: horizontal) and scrolls (Ctrl).
#include "waves/InterferenceBuffer.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QLineEdit;
class QScrollBar;

// What the graph shows; the painter and the status text work from this.
struct GraphView {
    const float *samples = nullptr;
    int count = 0;
    long double verticalScale = 0.01L;
    long double horizontalScale = 1.0L;
    int position = 0;  // scroll bar, in samples
    int width = 0;     // panel
    int height = 0;    // panel
    int barHeight = 0; // scroll bar
};

// Draws the columns of the update rectangle, blocks of samples averaged per column.
void drawInterferenceGraph(QImage &image, const GraphView &v, const QRect &update);
// The screen coordinate y of the sample under column x.
float graphCoordinateAt(const GraphView &v, int x, long double ymax);
// Fixed-point with 15 decimals of the value rounded to 15 significant digits.
QString formatFixed15(long double v);

class TGraphPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TGraphPanel(QWidget *parent = nullptr);
    QScrollBar *ScrollBar = nullptr;
    QLabel *StatusLabel = nullptr;       // Label2
    QLineEdit *VerticalEdit = nullptr;   // Edit4
    QLineEdit *HorizontalEdit = nullptr; // Edit6

    long double VerticalScale = 1.0L;
    long double HorizontalScale = 1.0L;
    long double Ymax = 0;

    // Takes the new result and gives back the one held before.
    MappedSamples SetData(MappedSamples data, int count);
    int Count() const { return count; }
    const float *Data() const { return data.data(); }
    // Large step of the scroll bar, then a full repaint.
    void Repaint();
    GraphView view() const;
    const QImage &picture() const { return image; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

  private:
    MappedSamples data;
    int count = 0;
    QImage image;
};
