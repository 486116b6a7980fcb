#pragma once
// A transparent layer over a picture (a TImage or an OpenGL view). It draws
// what the window adds for the class (hints, pause and step controls, the
// keyboard focus frame, the readout at the pointer, the theory marks) without
// touching the picture's bitmap, and it owns the picture's context menu
// (copy, save, data, theory).
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

// Marks in the picture's own pixel coordinates (the bitmap's, which are the
// picture widget's logical coordinates).
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
    // Lines of the readout at a pixel of the picture; empty: none there.
    virtual QStringList readoutAt(QPoint pixel) const {
        (void)pixel;
        return {};
    }
    // The picture as the user sees it, for copy and save. The default
    // grabs the picture widget; TImage gives its bitmap, GL views their frame.
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
    // Covers `picture` and follows its size; transparent for the mouse
    // except over its own controls.
    explicit TOverlay(QWidget *picture);
    // The overlay attached to a picture, or nullptr.
    static TOverlay *of(const QWidget *picture);
    QWidget *picture() const { return target; }

    // One short line shown until the first picture; empty removes it.
    void setHint(const QString &text);
    QString hint() const { return hintText; }

    // Pause and step controls, shown while the pointer is over the picture.
    void setAnimation(TAnimationControl *animation);
    TAnimationControl *animation() const { return anim; }

    // A frame around the selected object while the picture has the focus;
    // an empty rectangle removes it.
    void setFocusFrame(const QRect &frame);
    QRect focusFrame() const { return focusRect; }

    void setProvider(TPictureProvider *provider);
    TPictureProvider *provider() const { return source; }

    // The theory toggle (context menu "Теория", key T).
    bool theoryShown() const { return theoryOn; }
    void setTheoryShown(bool on);

    // Copy and save, as the context menu does them.
    QImage pictureImage() const;
    void copyPicture() const;
    // Writes the picture (PNG) or the data (CSV) to `path`; on failure shows
    // a message and leaves no file behind. Returns success.
    bool savePicture(const QString &path) const;
    bool saveData(const QString &path) const;

    // The readout position (the pointer, or the focused object); null: none.
    void setProbe(const QPoint &pixel);
    void clearProbe();

    // Colour of the theory marks and legend.
    static QColor theoryColour();

  signals:
    void theoryToggled(bool on);

  protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QPointer<QWidget> target;
    QString hintText;
    TAnimationControl *anim = nullptr;
    TPictureProvider *source = nullptr;
    QRect focusRect;
    QPoint probe{-1, -1};
    bool theoryOn = false;
};
