#include "widgets/Animation.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

TAnimationSwitch::TAnimationSwitch(std::function<void(bool)> a, std::function<void()> t)
    : apply(std::move(a)), tick(std::move(t)) {}

void TAnimationSwitch::setPaused(bool on) {
    paused = on;
    apply(on);
}

void TAnimationSwitch::step() {
    if (paused) tick();
}

TTimerAnimation::TTimerAnimation(QTimer *t, std::function<void()> f)
    : timer(t), tick(std::move(f)) {}

void TTimerAnimation::start() {
    running = true;
    if (!paused) timer->start();
}

void TTimerAnimation::stop() {
    running = false;
    timer->stop();
}

void TTimerAnimation::setPaused(bool on) {
    paused = on;
    if (paused)
        timer->stop();
    else if (running)
        timer->start();
}

void TTimerAnimation::step() {
    if (running && paused) tick();
}

namespace {
// The right arrow reaches the window only when the focused control left it
// unused (edits, sliders and tab bars use it), so it is taken there.
class StepKey : public QObject {
  public:
    StepKey(QWidget *window, TAnimationControl *a) : QObject(window), animation(a) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Right || key->modifiers() != Qt::NoModifier) return false;
        if (!animation->isPaused()) return false;
        animation->step();
        return true;
    }

  private:
    TAnimationControl *animation;
};
} // namespace

void addPauseKeys(QWidget *window, TAnimationControl *animation) {
    // A shortcut: text boxes claim the space for typing and keep it.
    auto *space = new QShortcut(QKeySequence(Qt::Key_Space), window);
    space->setObjectName(QStringLiteral("PauseKey"));
    QObject::connect(space, &QShortcut::activated, window,
                     [animation] { animation->setPaused(!animation->isPaused()); });
    new StepKey(window, animation);
}
