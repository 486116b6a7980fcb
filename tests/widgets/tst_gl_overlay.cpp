// The overlay over the two OpenGL views, as the screen shows them: the 3D
// frame is drawn, the overlay's marks appear over it, and no pixel of the
// frame changes outside what the overlay draws.
#include "GlDriver.h"
#include "TestForms.h"
#include "polarisation/bench/OpticalBench.h"
#include "widgets/DemoForm.h"
#include "widgets/Overlay.h"

#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTimer>

namespace {

struct Marks : TPictureProvider {
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override {
        OverlayMarks m;
        m.lines << QLineF(20, 30, 220, 30) << QLineF(20, 30, 20, 150);
        m.ellipses << QRectF(60, 60, 80, 80);
        m.legend << QStringLiteral("x");
        return m;
    }
};

// What the screen shows of `w` (the X server's pixels, the GL frame composed).
QImage onScreen(QWidget *w) {
    const QPoint at = w->mapTo(w->window(), QPoint());
    return w->screen()
        ->grabWindow(w->window()->winId(), at.x(), at.y(), w->width(), w->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Where the overlay paints anything, on its own, over nothing.
QImage overlayAlone(TOverlay *o) {
    QImage img(o->size(), QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    o->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

bool nearMark(const QImage &mask, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (mask.rect().contains(p) && qAlpha(mask.pixel(p)) > 0) return true;
        }
    return false;
}

} // namespace

class TestGlOverlay : public QObject {
    Q_OBJECT
  private slots:
    // The leak checker can then name the driver's own allocations.
    void cleanupTestCase() { pinGlDriver(); }
    void initTestCase() { ensureForms(); }

    // The second showing makes a new view under the overlay.
    void overlayOverTheFrame_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("Brewster") << QStringLiteral("TForm14");
        QTest::newRow("Malus") << QStringLiteral("TForm16");
        QTest::newRow("Brewster again") << QStringLiteral("TForm14");
        QTest::newRow("Malus again") << QStringLiteral("TForm16");
    }
    void overlayOverTheFrame() {
        QFETCH(QString, form);
        auto *w = qobject_cast<TDemoForm *>(windowOfClass(qPrintable(form)));
        QVERIFY(w);
        w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        pumpFor(400);
        auto *panel = w->findChild<QWidget *>(QStringLiteral("Panel2"));
        QVERIFY(panel);
        auto *bench = panel->findChild<OpticalBench *>();
        TOverlay *overlay = TOverlay::of(panel);
        QVERIFY(bench && overlay);
        // One still frame for both looks.
        TAnimationControl *animation = overlay->animation();
        if (animation) animation->setPaused(true);
        bench->Timer1->stop();
        Marks marks;
        overlay->setProvider(&marks);
        overlay->setTheoryShown(true);
        overlay->hide();
        pumpFor(200);
        const QImage bare = onScreen(panel);
        overlay->show();
        pumpFor(200);
        const QImage covered = onScreen(panel);
        const QImage mask = overlayAlone(overlay);
        overlay->setTheoryShown(false);
        overlay->setProvider(nullptr);
        if (animation) animation->setPaused(false);

        QSet<QRgb> colours;
        for (int y = 0; y < bare.height(); y += 4)
            for (int x = 0; x < bare.width(); x += 4)
                colours.insert(bare.pixel(x, y));
        QVERIFY2(colours.size() > 8, "the GL frame is blank");

        int marked = 0, shown = 0, changedElsewhere = 0;
        for (int y = 0; y < covered.height(); ++y)
            for (int x = 0; x < covered.width(); ++x) {
                const QRgb m = mask.pixel(x, y);
                if (qAlpha(m) == 255 && m == TOverlay::theoryColour().rgb()) {
                    ++marked;
                    shown += covered.pixel(x, y) == m;
                } else if (!nearMark(mask, x, y)) {
                    changedElsewhere += covered.pixel(x, y) != bare.pixel(x, y);
                }
            }
        const QPointer<OpticalBench> gone(bench);
        w->close();
        pumpFor(600);
        QVERIFY(!gone); // so the next showing of this window builds a new view
        QVERIFY(marked > 200);
        QCOMPARE(shown, marked);
        QCOMPARE(changedElsewhere, 0);
    }
};

QTEST_MAIN(TestGlOverlay)
#include "tst_gl_overlay.moc"
