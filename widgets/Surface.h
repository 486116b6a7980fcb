#pragma once
// The drawing surface of the ray-diagram windows: Panel1 fills its parent
// with a one-pixel bevel, Image1 fills Panel1 and shows an off-screen bitmap
// unscaled from its top-left corner.
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QTimer>
#include <functional>

class QMouseEvent;

// A panel with a bevel that reports its size changes.
class TPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TPanel(QWidget *parent = nullptr);
  signals:
    void resized();

  protected:
    void resizeEvent(QResizeEvent *event) override;
};

// A picture control showing a bitmap at its top-left corner, unscaled.
class TImage : public QWidget {
    Q_OBJECT
  public:
    explicit TImage(QWidget *parent = nullptr);
    QImage Bitmap; // the off-screen picture, RGB32
    // Gives the bitmap a new size; the old picture is kept where it fits.
    void setBitmapSize(int w, int h);
    // A bitmap of `size` in `colour`, unless the picture has one already
    // (windows make their blank pictures on first show).
    void makeBlank(QSize size, const QColor &colour);
    // Shows a stretched picture instead of the bitmap (backgrounds, illustrations).
    bool Stretch = false;

  signals:
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void doubleClicked(QMouseEvent *event);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// Whether pictures are shown magnified without smoothing on `w`'s screen:
// at whole scales (100 %, 200 %) each pixel becomes a sharp square; between
// them nearest pixels would give uneven lines, so they are smoothed.
bool showsSharpPixels(const QWidget *w);

// Labels showing a picture or an animation magnify it the same way (Qt's
// own labels always smooth it). Once per window, after its controls exist.
void showPicturesSharp(QWidget *window);

// Panel1 + Image1 with the resize rules. The bitmap is sized to Image1
// (SizeFrom::Image) or to Panel1, two pixels larger (SizeFrom::Panel).
class RaySurface : public QObject {
    Q_OBJECT
  public:
    enum class SizeFrom { Image, Panel };
    RaySurface(QWidget *parent, SizeFrom from);

    TPanel *Panel1;
    TImage *Image1;
    QColor background = Qt::black;

    // Called to redraw the whole scene; set by the window.
    std::function<void()> redraw;
    // Redraw 500 ms after the last resize instead of at once.
    void setDeferred(bool on) { deferred = on; }
    QTimer *redrawTimer() { return &timer; }

    // Surface set-up: a new bitmap of the drawing area's size, brush colour,
    // first picture. In a window not yet shown it waits for the first show
    // (or the first layout, which comes just before it).
    void setUp();
    // Fills the bitmap with the background colour.
    void clear();
    QSize drawingSize() const;

  private:
    void setUpNow();
    void onResize();
    void redrawNow();
    SizeFrom sizeFrom;
    bool deferred = false;
    bool setUpPending = false;
    QTimer timer;
};
