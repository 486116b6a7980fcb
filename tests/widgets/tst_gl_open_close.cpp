// Every demonstration opened and closed many times, the OpenGL ones with a
// real context (Xvfb): memory must not grow with the cycles.
#include "GlDriver.h"
#include "TestForms.h"
#include "widgets/DemoForm.h"

#include <QMediaPlayer>
#include <QOpenGLWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace {

// Resident memory of this process in KiB, from /proc.
long residentKiB() {
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0) kib = std::atol(line + 6);
    std::fclose(f);
    return kib;
}

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer keeps freed memory in quarantine: resident size says
// nothing there, and its leak checker watches instead.
constexpr bool kMeasure = false;
#else
constexpr bool kMeasure = true;
#endif

// One showing: shown, drawn at least once (a GL window builds its scene in
// its first frame), then closed the way the close box does, minus the fade.
void cycle(TDemoForm *w) {
    w->Show();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        auto *gl = w->findChild<QOpenGLWidget *>();
        if (!gl || gl->isValid()) break;
    }
    pumpFor(5);
    w->FormClose();
    w->HideNow();
    w->FormCloseAfter();
    QApplication::processEvents();
}

// Heap bytes in use in all malloc arenas, in KiB. Resident size swings by
// megabytes with the GL driver's threads and pages the allocator keeps, so a
// leak is looked for in what is allocated and not freed.
long heapInUseKiB() {
    const struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}

// One-time set-up may land late: the clip's pipeline loads on threads of
// its own, seconds after the first show on a busy machine. So wait for the
// clip, then warm up until five showings leave the heap as they found it.
void warmUp(TDemoForm *w) {
    cycle(w);
    if (auto *player = w->findChild<QMediaPlayer *>())
        QTRY_VERIFY_WITH_TIMEOUT(player->mediaStatus() != QMediaPlayer::LoadingMedia, 30000);
    long last = heapInUseKiB();
    for (int batch = 0; batch < 10; ++batch) {
        for (int i = 0; i < 5; ++i)
            cycle(w);
        const long now = heapInUseKiB();
        if (std::abs(now - last) < 5) return;
        last = now;
    }
}

} // namespace

class TestOpenClose : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }
    void cleanupTestCase() { pinGlDriver(); }

    void memoryStaysFlat_data() {
        QTest::addColumn<QString>("cls");
        ensureForms();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TDemoForm *>(w))
                QTest::newRow(w->metaObject()->className())
                    << QString::fromLatin1(w->metaObject()->className());
    }
    void memoryStaysFlat() {
        QFETCH(QString, cls);
        auto *w = qobject_cast<TDemoForm *>(windowOfClass(cls.toLatin1().constData()));
        QVERIFY(w);
        constexpr int kCycles = 200;
        warmUp(w);
        const long before = heapInUseKiB(), residentBefore = residentKiB();
        for (int i = 0; i < kCycles; ++i)
            cycle(w);
        const double perCycle = double(heapInUseKiB() - before) / kCycles;
        qInfo("%s: %.1f KiB per cycle allocated (resident %+.1f)", qPrintable(cls), perCycle,
              double(residentKiB() - residentBefore) / kCycles);
        if (kMeasure) QVERIFY2(perCycle < 8, qPrintable(QString::number(perCycle)));
        QVERIFY(w->isHidden());
    }
};

QTEST_MAIN(TestOpenClose)
#include "tst_gl_open_close.moc"
