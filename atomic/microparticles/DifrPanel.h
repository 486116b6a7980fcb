#pragma once
// The electron screen: remembers every hit in a fixed grid addressed from
// its centre and paints the dots itself, so hits survive resizing and a
// repaint only scans the part of the grid under the update region.
#include "atomic/microparticles/HitGrid.h"
#include "widgets/Surface.h"

#include <QColor>
#include <QRect>
#include <vector>

class TDifrPanel : public TPanel {
    Q_OBJECT
  public:
    explicit TDifrPanel(QWidget *parent = nullptr);

    QColor DotColor = Qt::white;
    // The screen's background, black as the window sets it.
    void setBackground(const QColor &c);
    QColor background() const { return back; }

    // A hit dx, dy pixels from the centre; marks nothing beyond 1024 pixels
    // or outside the panel. Returns whether it was recorded.
    bool AddHit(int dx, int dy);
    // Forgets every hit and repaints the whole screen.
    void ClearField();

    const electrons::HitGrid &grid() const { return hits; }
    // Hands the hits recorded since the last call to the toolkit as one
    // repaint request; runs by itself once control returns to the event loop.
    void flushHits();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    electrons::HitGrid hits;
    QColor back = Qt::black;
    // Hits waiting for their repaint: a few small rectangles, or only their
    // bounding rectangle once there are many.
    std::vector<QRect> pending;
    QRect pendingBound;
    bool flushPosted = false;
};
