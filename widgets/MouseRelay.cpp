#include "widgets/MouseRelay.h"

#include <QMouseEvent>
#include <QWidget>

TMouseRelay::TMouseRelay(QWidget *w, bool consume, Handler h)
    : QObject(w), swallow(consume), handler(std::move(h)) {
    w->installEventFilter(this);
}

bool TMouseRelay::eventFilter(QObject *, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        handler(event->type(), static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return swallow;
    default:
        return false;
    }
}
