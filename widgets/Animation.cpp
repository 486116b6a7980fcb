#include "widgets/Animation.h"

#include <QTimer>

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
    : QObject(t), timer(t), tick(std::move(f)) {}

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
