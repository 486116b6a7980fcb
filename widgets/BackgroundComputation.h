#pragma once
// One computation at a time off the user-interface thread, in the shape of a
// render thread. start() takes a job that owns a copy of its inputs (taken on
// the UI thread, while the window's panel is disabled); the job runs on a
// worker with a RunControl and touches no widget. Progress comes back as
// progressChanged(), the result as a queued call of the typed handler, both
// on the UI thread. A newer start(), cancel() or the object's destruction
// drops a result still on its way; destruction also waits for the worker, so
// jobs must poll cancelled() within a bounded amount of work.
#include "core/RunControl.h"

#include <QObject>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <thread>

class QProgressBar;
class QWidget;

class TBackgroundComputation : public QObject {
    Q_OBJECT
  public:
    explicit TBackgroundComputation(QObject *parent = nullptr);
    ~TBackgroundComputation() override;

    template <class Result>
    void start(std::function<Result(RunControl &)> job, std::function<void(Result &)> onResult) {
        launch([job = std::move(job),
                onResult = std::move(onResult)](RunControl &control) -> std::function<void()> {
            auto result = std::make_shared<Result>(job(control));
            if (control.cancelled()) return {};
            return [result, onResult] { onResult(*result); };
        });
    }

    // The steps progressChanged() counts a run in, from the next start() on:
    // 100 (whole percent) unless set; a long run takes finer ones so that its
    // bar keeps moving.
    void setProgressSteps(int steps) { progressSteps = steps; }

    // Asks the worker to stop; whatever it was computing is dropped.
    void cancel();
    bool isRunning() const { return running; }

  signals:
    void progressChanged(int step);
    // true when a run starts, false when it ends (result, failure or cancel).
    void runningChanged(bool running);
    // The job ran out of memory or failed otherwise; no result follows.
    void failed(const QString &reason);

  private:
    using Work = std::function<std::function<void()>(RunControl &)>;
    void launch(Work work);
    void finish(quint64 run, const std::function<void()> &deliver, const QString &failure);
    void stopWorker();

    std::thread worker;
    std::shared_ptr<RunControl> control;
    quint64 generation = 0;
    bool running = false;
    int progressSteps = 100;
};

// The usual face of a run: the bar shown and filling while it runs, the
// panels disabled until it ends.
void showRunOn(TBackgroundComputation *run, QProgressBar *bar,
               std::initializer_list<QWidget *> panels);
