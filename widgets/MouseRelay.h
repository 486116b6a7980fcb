#pragma once
// Passes a widget's mouse presses, moves and releases on to a handler, with
// the cursor's screen position: the windows drag pictures in screen
// coordinates, so a picture moving under the cursor does not disturb the drag.
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

class TMouseRelay : public QObject {
  public:
    using Handler = std::function<void(QEvent::Type, QPoint screen)>;
    // consume: the widget itself never sees the events.
    TMouseRelay(QWidget *w, bool consume, Handler h);
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool swallow;
    Handler handler;
};
