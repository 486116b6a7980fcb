#include "widgets/KeyboardDrag.h"

#include "widgets/Overlay.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

namespace {
void sendMouse(QWidget *w, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(local), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

QPoint arrowStep(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier) return {};
    const int n = modifiers & Qt::ShiftModifier ? 10 : 1;
    switch (key) {
    case Qt::Key_Left:
        return {-n, 0};
    case Qt::Key_Right:
        return {n, 0};
    case Qt::Key_Up:
        return {0, -n};
    case Qt::Key_Down:
        return {0, n};
    default:
        return {};
    }
}

TKeyboardDrag::TKeyboardDrag(QWidget *p, QList<Object> list)
    : QObject(p), picture(p), objects(std::move(list)) {
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->installEventFilter(this);
    for (const Object &o : objects)
        if (o.target && o.target != picture) o.target->installEventFilter(this);
    // The picture's overlay shows which object the arrows move.
    connect(this, &TKeyboardDrag::focusFrameChanged, attachOverlay(picture),
            &TOverlay::setFocusFrame);
}

void TKeyboardDrag::select(int index) {
    if (index < 0 || index >= objects.size()) return;
    current = index;
    showFocusFrame();
}

void TKeyboardDrag::setObjects(QList<Object> list, int index) {
    objects = std::move(list);
    for (const Object &o : objects)
        if (o.target && o.target != picture) o.target->installEventFilter(this);
    current = objects.isEmpty() ? 0 : std::clamp(index, 0, int(objects.size()) - 1);
    showFocusFrame();
}

void TKeyboardDrag::dragBy(QPoint d) {
    if (objects.isEmpty()) return;
    // A copy: the move may give this a new list of objects.
    const Object o = objects[current];
    if (o.move) {
        o.move(d);
    } else if (o.target) {
        QWidget *t = o.target;
        const QPoint anchor = o.anchor ? o.anchor() : t->rect().center();
        const QPoint press = o.press ? o.press() : anchor;
        const QPoint origin = t->mapToGlobal(QPoint(0, 0));
        sending = true;
        sendMouse(t, QEvent::MouseButtonPress, press, origin + press, o.button, o.button);
        sendMouse(t, QEvent::MouseMove, anchor + d, origin + anchor + d, Qt::NoButton, o.button);
        sendMouse(t, QEvent::MouseButtonRelease, anchor + d, origin + anchor + d, o.button,
                  Qt::NoButton);
        sending = false;
    }
    showFocusFrame();
}

QRect TKeyboardDrag::focusFrame() const {
    if (objects.isEmpty() || !picture->hasFocus()) return {};
    const Object &o = objects[current];
    if (o.frame) return o.frame();
    if (!o.target || o.target == picture) return picture->rect();
    return QRect(picture->mapFromGlobal(o.target->mapToGlobal(QPoint(0, 0))), o.target->size());
}

// The overlay's focus frame is fed from here.
void TKeyboardDrag::showFocusFrame() {
    emit focusFrameChanged(focusFrame());
}

bool TKeyboardDrag::keyPress(int key, Qt::KeyboardModifiers modifiers) {
    const QPoint d = arrowStep(key, modifiers);
    if (!d.isNull()) {
        dragBy(d);
        return true;
    }
    // Tab walks through the objects, then on to the next control.
    if (key == Qt::Key_Tab && modifiers == Qt::NoModifier && current + 1 < objects.size()) {
        select(current + 1);
        return true;
    }
    if (key == Qt::Key_Backtab && current > 0) {
        select(current - 1);
        return true;
    }
    return false;
}

bool TKeyboardDrag::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The arrows belong to the picture, not to the window's shortcuts.
        auto *k = static_cast<QKeyEvent *>(event);
        if (watched == picture && !arrowStep(k->key(), k->modifiers()).isNull()) k->accept();
        return false;
    }
    case QEvent::KeyPress:
        if (watched != picture) return false;
        return keyPress(static_cast<QKeyEvent *>(event)->key(),
                        static_cast<QKeyEvent *>(event)->modifiers());
    case QEvent::FocusIn: {
        const Qt::FocusReason why = static_cast<QFocusEvent *>(event)->reason();
        if (watched == picture && why == Qt::TabFocusReason) current = 0;
        if (watched == picture && why == Qt::BacktabFocusReason) current = int(objects.size()) - 1;
        if (watched == picture) showFocusFrame();
        return false;
    }
    case QEvent::FocusOut:
        if (watched == picture) emit focusFrameChanged(QRect());
        return false;
    case QEvent::MouseButtonPress:
        // A click on an object selects it (on the picture itself: the
        // object dragged with that button) and gives the picture the focus.
        if (!sending) {
            const Qt::MouseButton b = static_cast<QMouseEvent *>(event)->button();
            for (int i = int(objects.size()) - 1; i >= 0; --i)
                if (objects[i].target == watched && (watched != picture || objects[i].button == b))
                    current = i;
            if (watched != picture) picture->setFocus(Qt::MouseFocusReason);
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (picture->hasFocus()) showFocusFrame();
        return false;
    default:
        return false;
    }
}
