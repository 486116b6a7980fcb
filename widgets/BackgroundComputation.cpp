#include "widgets/BackgroundComputation.h"

#include <QProgressBar>
#include <QWidget>
#include <new>
#include <system_error>
#include <vector>

TBackgroundComputation::TBackgroundComputation(QObject *parent) : QObject(parent) {}

TBackgroundComputation::~TBackgroundComputation() {
    // The worker posts to this object: it must end before the object goes.
    stopWorker();
}

void TBackgroundComputation::stopWorker() {
    if (control) control->cancel();
    if (worker.joinable()) worker.join();
}

void TBackgroundComputation::cancel() {
    if (control) control->cancel();
    ++generation; // whatever is on its way now belongs to no run
    if (running) {
        running = false;
        emit runningChanged(false);
    }
}

void TBackgroundComputation::launch(Work work) {
    stopWorker();
    const quint64 run = ++generation;
    auto progress = [this, run](int p) {
        QMetaObject::invokeMethod(
            this,
            [this, run, p] {
                if (run == generation && running) emit progressChanged(p);
            },
            Qt::QueuedConnection);
    };
    control = std::make_shared<RunControl>(progress, progressSteps);
    running = true;
    emit runningChanged(true);
    try {
        worker = std::thread([this, run, c = control, work = std::move(work)] {
            std::function<void()> deliver;
            QString failure;
            try {
                deliver = work(*c);
            } catch (const std::bad_alloc &) {
                failure = QStringLiteral("memory");
            } catch (const std::exception &e) {
                failure = QString::fromLocal8Bit(e.what());
            }
            if (c->cancelled()) return;
            QMetaObject::invokeMethod(
                this,
                [this, run, deliver = std::move(deliver), failure] {
                    finish(run, deliver, failure);
                },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error &) {
        finish(run, {}, QStringLiteral("thread"));
    }
}

void TBackgroundComputation::finish(quint64 run, const std::function<void()> &deliver,
                                    const QString &failure) {
    if (run != generation || !running) return;
    running = false;
    if (deliver)
        deliver();
    else if (!failure.isEmpty())
        emit failed(failure);
    emit runningChanged(false);
}

void showRunOn(TBackgroundComputation *run, QProgressBar *bar,
               std::initializer_list<QWidget *> panels) {
    const std::vector<QWidget *> list(panels);
    QObject::connect(run, &TBackgroundComputation::runningChanged, bar, [bar, list](bool on) {
        bar->setValue(0);
        bar->setVisible(on);
        for (QWidget *p : list)
            p->setEnabled(!on);
    });
    QObject::connect(run, &TBackgroundComputation::progressChanged, bar, &QProgressBar::setValue);
}
