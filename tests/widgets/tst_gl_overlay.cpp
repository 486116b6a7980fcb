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

// A 3D window shown, exposed and drawn for a while: its picture panel, or
// null if any of that failed.
QWidget *shownPanel(const QString &form) {
    auto *w = qobject_cast<TDemoForm *>(windowOfClass(qPrintable(form)));
    if (!w) return nullptr;
    w->Show();
    if (!QTest::qWaitForWindowExposed(w)) return nullptr;
    pumpFor(400);
    return w->findChild<QWidget *>(QStringLiteral("Panel2"));
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
        QWidget *panel = shownPanel(form);
        QVERIFY(panel);
        QWidget *w = panel->window();
        auto *bench = panel->findChild<OpticalBench *>();
        TOverlay *overlay = TOverlay::of(panel);
        QVERIFY(bench && overlay);
        // One still frame for both looks.
        TAnimationControl *animation = overlay->animation();
        if (animation) animation->setPaused(true);
        bench->Timer1->stop();
        Marks marks;
        TPictureProvider *own = overlay->provider();
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
        overlay->setProvider(own);
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

    // The windows' own theory over the 3D view: a legend with its text, in
    // the panel, and on the screen over the frame.
    void ownTheoryText_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("Brewster") << QStringLiteral("TForm14");
        QTest::newRow("Malus") << QStringLiteral("TForm16");
    }
    void ownTheoryText() {
        QFETCH(QString, form);
        QWidget *panel = shownPanel(form);
        QVERIFY(panel);
        QWidget *w = panel->window();
        TOverlay *overlay = TOverlay::of(panel);
        QVERIFY(overlay && overlay->provider() && overlay->provider()->hasTheory());
        const QStringList legend = overlay->provider()->theory().legend;
        QVERIFY(!legend.isEmpty());
        for (const QString &line : legend)
            QVERIFY(!line.trimmed().isEmpty());
        overlay->setTheoryShown(true);
        pumpFor(200);
        const QRect box = overlay->legendRect();
        const QImage mask = overlayAlone(overlay), shown = onScreen(panel);
        overlay->setTheoryShown(false);
        w->close();
        pumpFor(600);
        QVERIFY(!box.isEmpty() && panel->rect().contains(box));
        // Inside the border: the text's pixels (smoothed, so near magenta).
        const auto magenta = [](QRgb c) {
            return qAlpha(c) > 200 && qRed(c) > 160 && qGreen(c) < 90 && qBlue(c) > 160;
        };
        int text = 0, seen = 0;
        for (int y = box.top() + 3; y < box.bottom() - 2; ++y)
            for (int x = box.left() + 3; x < box.right() - 2; ++x)
                if (magenta(mask.pixel(x, y))) {
                    ++text;
                    seen += magenta(shown.pixel(x, y));
                }
        QVERIFY2(text > 10 * legend.size(), qPrintable(QString::number(text)));
        QVERIFY2(seen > text / 2, qPrintable(QStringLiteral("%1 of %2").arg(seen).arg(text)));
    }
};

QTEST_MAIN(TestGlOverlay)
#include "tst_gl_overlay.moc"
