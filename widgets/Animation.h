#pragma once
// Pause, resume and single step for the windows' animations. A pause lasts
// until it is lifted: closing and showing the window again keep it.
#include "widgets/Overlay.h"

#include <QObject>
#include <functional>

class QTimer;
class QWidget;

// A pause the window applies in its own way (a pacing thread, a GL frame
// timer): `apply` gets each change, `tick` runs one step.
class TAnimationSwitch : public TAnimationControl {
  public:
    TAnimationSwitch(std::function<void(bool paused)> apply, std::function<void()> tick);
    bool isPaused() const override { return paused; }
    void setPaused(bool on) override;
    void step() override;

  private:
    std::function<void(bool)> apply;
    std::function<void()> tick;
    bool paused = false;
};

// An animation ticked by a timer. The window starts and stops it where it
// started and stopped the timer; the timer runs while started and not paused.
// It belongs to its timer and goes with it.
class TTimerAnimation : public QObject, public TAnimationControl {
  public:
    TTimerAnimation(QTimer *timer, std::function<void()> tick);
    void start();
    void stop();
    bool isRunning() const { return running; }
    bool isPaused() const override { return paused; }
    void setPaused(bool on) override;
    // One tick while started and paused.
    void step() override;

  private:
    QTimer *timer;
    std::function<void()> tick;
    bool running = false;
    bool paused = false;
};
