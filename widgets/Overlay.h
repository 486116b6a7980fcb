#pragma once
// A transparent layer over a picture (a TImage, a panel, or the panel of an
// OpenGL view). It draws what the window adds for the class (hints, pause and
// step controls, the keyboard focus frame, the readout at the pointer, the
// theory marks) without touching the picture's bitmap, and it owns the
// picture's context menu (copy, save, data, theory).
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QMessageBox>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QWidget>
#include <optional>

class QMenu;

class QPainter;

// Marks in the picture's own pixel coordinates: the bitmap's. For a TImage
// that stretches its bitmap the overlay scales them to the widget; for any
// other picture they are the widget's logical coordinates.
struct OverlayMarks {
    struct Label {
        QPointF at;
        QString text;
    };
    QList<QLineF> lines;
    QList<QPointF> points;  // drawn as small crosses
    QList<QRectF> ellipses; // circles and rings, by bounding box
    QList<Label> labels;
    QStringList legend; // formula, inputs, predictions, or why nothing is drawn
};

// What a window says about one of its pictures; every member is optional.
class TPictureProvider {
  public:
    virtual ~TPictureProvider() = default;
    // Lines of the readout at a pixel of the picture (bitmap coordinates, as
    // the marks); empty: none there.
    virtual QStringList readoutAt(QPoint pixel) const {
        (void)pixel;
        return {};
    }
    // The picture as the user sees it, for copy and save. Without one the
    // overlay takes a TImage's bitmap, an OpenGL view's frame, or a grab.
    virtual QImage picture() const { return {}; }
    // The computed data as CSV (UTF-8, header line with columns and units,
    // "." as the point); hasData() false disables "Сохранить данные…".
    virtual bool hasData() const { return false; }
    virtual QString dataCsv() const { return {}; }
    // The textbook prediction drawn when the theory toggle is on.
    virtual bool hasTheory() const { return false; }
    virtual OverlayMarks theory() const { return {}; }
};

// An animation the overlay can pause, resume and step (one tick).
class TAnimationControl {
  public:
    virtual ~TAnimationControl() = default;
    virtual bool isPaused() const = 0;
    virtual void setPaused(bool paused) = 0;
    // One tick while paused.
    virtual void step() = 0;
};

class TOverlay : public QWidget {
    Q_OBJECT
  public:
    // Covers `picture` and follows its size; transparent for the mouse: it
    // sees the picture's events (and those of its child widgets, such as an
    // OpenGL view filling a panel) through an event filter.
    explicit TOverlay(QWidget *picture);
    // The overlay attached to a picture, or nullptr.
    static TOverlay *of(const QWidget *picture);
    QWidget *picture() const { return target; }

    // One short line shown until the first picture; empty removes it. While
    // it shows, copy and save say that there is no picture yet.
    void setHint(const QString &text);
    QString hint() const { return hintText; }

    // Pause and step controls, shown while the pointer is over the picture.
    void setAnimation(TAnimationControl *animation);
    TAnimationControl *animation() const { return anim; }
    bool controlsShown() const;
    // Where the two controls are drawn (overlay coordinates).
    QRect pauseButtonRect() const;
    QRect stepButtonRect() const;
    // What the controls and the keys do: toggle pause; one tick while paused.
    void togglePause();
    void stepOnce();

    // A frame around the selected object while the picture has the focus;
    // an empty rectangle removes it. Bitmap coordinates, as the marks.
    void setFocusFrame(const QRect &frame);
    QRect focusFrame() const { return focusRect; }

    void setProvider(TPictureProvider *provider);
    TPictureProvider *provider() const { return source; }

    // The theory toggle (context menu "Теория", key T).
    bool theoryShown() const { return theoryOn; }
    void setTheoryShown(bool on);
    // The marks drawn while the theory shows. They are made once and kept
    // until the picture changes: a new bitmap, a repaint of the picture the
    // overlay did not ask for, a new size or provider. Pointer moves and
    // the controls do not make them again.
    const OverlayMarks &theoryMarks() const;
    // For what the theory reads that can change without a repaint of the
    // picture: the marks are made afresh and drawn.
    void pictureChanged();

    // The box of the theory's legend (overlay coordinates), empty while none
    // shows: in the part of the picture the user sees (a picture larger than
    // its scroll area is clipped), clear of the widgets over the picture (a
    // label, a panel of controls) and of the marks' labels.
    QRect legendRect() const;
    // Where the theory's labels are drawn, in the overlay (none while hidden).
    QList<QRect> labelRects() const;

    // Copy and save, as the context menu does them.
    QImage pictureImage() const;
    void copyPicture() const;
    // Writes the picture (PNG) or the data (CSV) to `path`; on failure shows
    // a message and leaves no file behind. Returns success.
    bool savePicture(const QString &path) const;
    bool saveData(const QString &path) const;
    // Asks for a file name (a Russian dialog), then saves.
    void savePictureAs();
    void saveDataAs();
    // The last message shown by copy or save (non-blocking, for tests).
    QMessageBox *lastMessage() const { return message; }

    // The context menu with its items' states as they are now; the overlay
    // owns it and rebuilds it on each call.
    QMenu *contextMenu();

    // The readout position in bitmap coordinates (the pointer, or the
    // focused object); none after clearProbe() or when the pointer leaves.
    void setProbe(const QPoint &pixel);
    void clearProbe();
    QPoint probePixel() const { return probe; }
    bool hasProbe() const { return probe.x() >= 0 && probe.y() >= 0; }
    // The readout lines drawn now (empty: no box).
    QStringList readout() const;

    // Bitmap coordinates to the overlay's (identity unless stretched).
    QTransform bitmapToWidget() const;

    // Colour of the theory marks and legend.
    static QColor theoryColour();

    // The window-wide keys: Space (pause), Right (one step while paused),
    // T (theory), Ctrl+C (copy), when no text box has the focus. Installed
    // once per window, by the first overlay shown in it.
    static void installKeys(QWidget *window);

  signals:
    void theoryToggled(bool on);

  protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool pictureMouse(QWidget *from, QEvent *event);
    bool pictureEvent(QObject *watched, QEvent *event);
    void watch(QObject *child);
    void follow();
    void moveProbe(QPoint overlayPos);
    void paintControls(QPainter &p) const;
    void paintReadout(QPainter &p) const;
    void paintTheory(QPainter &p, const QRect &area) const;
    void paintHint(QPainter &p) const;
    void paintFocus(QPainter &p) const;
    void updateOwn(const QRect &r);
    void pictureRepainted(const QWidget *from, const QRegion &region);
    QRect focusArea() const;
    QRect visibleArea() const;
    QList<QRect> coveredAreas(const QRect &visible) const;
    QRect legendRectFor(const OverlayMarks &marks) const;
    QRect readoutRect(const QStringList &lines) const;
    bool pictureHasFocus() const;
    QString noPictureReason() const;
    bool writeFile(const QString &path, const QByteArray &bytes) const;
    void complain(const QString &text) const;

    QPointer<QWidget> target;
    QString hintText;
    TAnimationControl *anim = nullptr;
    TPictureProvider *source = nullptr;
    QRect focusRect;
    QPoint probe{-1, -1};
    bool theoryOn = false;
    bool hovered = false;
    QPoint rightPress{-1, -1}; // where the right button went down (overlay)
    QRect drawnReadout;        // the box last painted, to repaint only it
    QMenu *menu = nullptr;
    mutable QPointer<QMessageBox> message;
    // The theory made for the picture as it was when the key was taken.
    mutable std::optional<OverlayMarks> theoryCache;
    mutable qint64 theoryBitmap = 0;
    mutable int theoryMade = 0; // counts the marks made
    // The legend's lines broken to the width in view, its box and where the
    // labels go, for the marks, view and widgets over the picture they were
    // laid out for.
    struct LegendLayout {
        int made = -1;
        QRect visible;
        QList<QRect> covered;
        QStringList lines;
        QRect box;
        QList<QPointF> labelsAt;
    };
    mutable LegendLayout legend;
    // What the overlay asked to repaint of itself since its last paint: a
    // repaint of the picture inside it is the overlay's, not a new picture.
    QRegion ownDirty;
};

// Puts an overlay on a picture (or gives the one it has).
TOverlay *attachOverlay(QWidget *picture);
