#pragma once
// The keyboard for a picture's drags: the picture takes the focus with Tab
// or a click, the arrows move the selected object one pixel (Shift: ten) and
// Tab selects the next object, then leaves the picture. Each move is the
// mouse drag the object already has, sent as mouse events (press, one move,
// release), so every limit of the mouse drag holds for the keys as well.
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;

class TKeyboardDrag : public QObject {
    Q_OBJECT
  public:
    struct Object {
        QWidget *target = nullptr; // receives the mouse; null: `move` does the moving
        // Where the drag starts and the point that follows the keys, in the
        // target's coordinates; an unset `press` is `anchor`, an unset
        // `anchor` the target's centre.
        std::function<QPoint()> press, anchor;
        Qt::MouseButton button = Qt::LeftButton;
        // For objects not dragged with the mouse on the picture (a marker
        // moved by a scroll bar): moves by d.
        std::function<void(QPoint d)> move;
        // The object in the picture's coordinates; unset: the target's rectangle.
        std::function<QRect()> frame;
        // A picture of its own dragged from its centre (a lamp, an eye).
        static Object of(QWidget *w) {
            Object o;
            o.target = w;
            return o;
        }
    };

    TKeyboardDrag(QWidget *picture, QList<Object> objects);

    int selected() const { return current; }
    void select(int index);
    // For pictures whose objects come and go (sources on a strip): the new
    // list, with `index` selected (clamped to it).
    void setObjects(QList<Object> list, int index);
    // The drag of the selected object by d pixels.
    void dragBy(QPoint d);
    // The selected object while the picture has the focus, else empty.
    QRect focusFrame() const;

  signals:
    // For the focus frame over the picture.
    void focusFrameChanged(const QRect &frame);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool keyPress(int key, Qt::KeyboardModifiers modifiers);
    void showFocusFrame();
    QWidget *picture;
    QList<Object> objects;
    int current = 0;
    bool sending = false;
};

// The arrow key's step: one pixel, ten with Shift; null for other keys.
QPoint arrowStep(int key, Qt::KeyboardModifiers modifiers);
