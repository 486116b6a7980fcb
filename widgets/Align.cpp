#include "widgets/Align.h"

#include <QEvent>

namespace {

const char *const kAlignProperty = "lumivistaAlign";

class AlignFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
            realign(static_cast<QWidget *>(watched));
        return false;
    }
};

Align alignOf(const QWidget *w) {
    const QVariant v = w->property(kAlignProperty);
    return v.isValid() ? static_cast<Align>(v.toInt()) : Align::None;
}

void placeBand(QWidget *w, Align a, QRect &free) {
    const int width = std::min(w->width(), std::max(0, free.width()));
    switch (a) {
    case Align::Top:
        w->setGeometry(free.left(), free.top(), free.width(), w->height());
        free.setTop(free.top() + w->height());
        break;
    case Align::Bottom:
        w->setGeometry(free.left(), free.bottom() + 1 - w->height(), free.width(), w->height());
        free.setBottom(free.bottom() - w->height());
        break;
    case Align::Left:
        w->setGeometry(free.left(), free.top(), w->width(), std::max(0, free.height()));
        free.setLeft(free.left() + width);
        break;
    case Align::Right:
        w->setGeometry(free.right() + 1 - w->width(), free.top(), w->width(),
                       std::max(0, free.height()));
        free.setRight(free.right() - width);
        break;
    default:
        break;
    }
}

} // namespace

void realign(QWidget *parent) {
    // A frame's contents rectangle already leaves out its bevel.
    QRect free = parent->contentsRect();
    const QObjectList kids = parent->children();
    // Top and bottom first, then left and right, then client: the order of
    // the toolkit being emulated.
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right}) {
        for (QObject *o : kids) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !w->isHidden() && alignOf(w) == pass)
                placeBand(w, pass, free);
        }
    }
    for (QObject *o : kids) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && !w->isWindow() && alignOf(w) == Align::Client)
            w->setGeometry(free.left(), free.top(), std::max(0, free.width()),
                           std::max(0, free.height()));
    }
}

void setAlign(QWidget *child, Align align) {
    child->setProperty(kAlignProperty, static_cast<int>(align));
    QWidget *parent = child->parentWidget();
    if (!parent) return;
    if (!parent->property("lumivistaAlignFilter").toBool()) {
        parent->installEventFilter(new AlignFilter(parent));
        parent->setProperty("lumivistaAlignFilter", true);
    }
    realign(parent);
}
