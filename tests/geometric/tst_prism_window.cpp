// The prism window driven like a user: both pages, the picture at start
// and in the special cases, the warning, the dispersion correction, the
// lamp drag with its limits, the background colour, keys, the animation.
#include "TestForms.h"
#include "geometric/prism/Unit4.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMovie>
#include <QTabWidget>
#include <cmath>

namespace {

void mouse(QWidget *w, QEvent::Type type, QPoint screen, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent e(type, w->mapFromGlobal(QPointF(screen)), QPointF(screen), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A drag of the lamp by (dx, dy) screen pixels.
void dragLamp(int dx, int dy) {
    const QPoint from(1000, 500), to = from + QPoint(dx, dy);
    mouse(Form4->Image2, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(Form4->Image2, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(Form4->Image2, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

QColor at(int x, int y) {
    return Form4->Image1->Bitmap.pixelColor(x, y);
}

// True when a pixel within one row of the straight line a..b at column x
// has the colour.
bool onLine(QPoint a, QPoint b, int x, const QColor &colour) {
    const int y = a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    return at(x, y - 1) == colour || at(x, y) == colour || at(x, y + 1) == colour;
}

bool onlyBackground(const QColor &background) {
    const QImage &img = Form4->Image1->Bitmap;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != background) return false;
    return true;
}

} // namespace

class TestPrismWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form4->Show();
        pumpFor(50);
    }

    void init() {
        if (!Form4->isVisible()) Form4->Show();
        Form4->resize(578, 382);
        Form4->PageControl1->setCurrentIndex(1);
        pumpFor(5);
        Form4->Image2->move(0, 152);
        Form4->surface->background = Qt::black;
        Form4->ColorDialog1->chooser = nullptr;
        Form4->Edit1->setText(QStringLiteral("1.3"));
        Form4->Edit2->setText(QStringLiteral("10"));
        Form4->Dragging = false;
        Form4->DrawScene();
    }

    void controlsAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        // The tab row follows the face's height: PT Sans leaves the page one
        // pixel taller than the layout's, so the panels sit one pixel higher.
        QTest::newRow("Panel1") << "Panel1" << QRect(2, 0, 570, 320);
        QTest::newRow("Image1") << "Image1" << QRect(1, 1, 568, 318);
        QTest::newRow("Image2") << "Image2" << QRect(0, 152, 32, 48);
        QTest::newRow("Label2") << "Label2" << QRect(155, 9, 272, 13);
        QTest::newRow("Panel2") << "Panel2" << QRect(2, 320, 570, 34);
        QTest::newRow("Edit1") << "Edit1" << QRect(208, 6, 74, 21);
        QTest::newRow("Edit2") << "Edit2" << QRect(480, 6, 81, 21);
        QTest::newRow("Panel3") << "Panel3" << QRect(0, 8, 561, 345);
        QTest::newRow("Image3") << "Image3" << QRect(0, 0, 548, 194);
        QTest::newRow("RxGIFAnimator1") << "RxGIFAnimator1" << QRect(184, 200, 185, 137);
    }
    void controlsAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto *w = Form4->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
    }

    void pagesAndTexts() {
        QCOMPARE(Form4->PageControl1->tabText(0), QStringLiteral("Схема спектрометра на призме"));
        QCOMPARE(Form4->PageControl1->tabText(1), QStringLiteral("Моделирование"));
        QCOMPARE(Form4->Label1->text(), QStringLiteral("Показатель преломления материала:"));
        QCOMPARE(Form4->Label3->text(), QStringLiteral("Показатель дисперсии, 10000/нм:"));
        QCOMPARE(Form4->Label2->text(),
                 QStringLiteral("Часть лучей испытала полное внутреннее отражение"));
        QVERIFY(Form4->Label1->x() + Form4->Label1->width() <= 208);
        QVERIFY(Form4->Label3->x() + Form4->Label3->width() <= 480);
        QVERIFY(!Form4->Image3->pixmap().isNull());
        QImageReader frames(QStringLiteral(":/prism/spectrum.gif"));
        QCOMPARE(frames.size(), QSize(120, 90));
        QVERIFY(frames.imageCount() > 1);
    }

    void startPicture() {
        const prism::Trace &t = Form4->lastTrace();
        QCOMPARE(t.source, (prism::Point{27, 174}));
        QCOMPARE(t.rays[0].exit, (prism::Point{351, 168}));
        QCOMPARE(t.rays[0].end, (prism::Point{657, 248}));
        QCOMPARE(t.rays[62].exit, (prism::Point{352, 170}));
        QCOMPARE(t.rays[62].end, (prism::Point{653, 264}));
        QVERIFY(Form4->Label2->isHidden());
        QCOMPARE(at(285, 200), QColor(0, 255, 255));            // the glass
        QCOMPARE(at(285, 20), QColor(0, 0, 0));                 // background above it
        QVERIFY(onLine({27, 174}, {224, 160}, 120, Qt::white)); // the beam
        // The last (violet) ray covers the ones before it on its way out.
        QVERIFY(onLine({352, 170}, {653, 264}, 500, QColor(210, 0, 255)));
        QVERIFY(onLine({224, 160}, {352, 170}, 300, QColor(210, 0, 255)));
    }

    void warningShowsExactlyWhileRaysAreReflected() {
        Form4->Edit1->setText(QStringLiteral("1.7"));
        QVERIFY(Form4->Label2->isVisible());
        // Only the beam and the paths inside: nothing right of the prism.
        for (int x = 400; x < 568; x += 4)
            for (int y = 0; y < 318; y += 3)
                QCOMPARE(at(x, y), QColor(0, 0, 0));
        Form4->Edit1->setText(QStringLiteral("1.3"));
        QVERIFY(Form4->Label2->isHidden());
        Form4->Edit1->setText(QStringLiteral("1.7"));
        Form4->Edit1->setText(QStringLiteral("0.9")); // a picture without rays has no warning
        QVERIFY(Form4->Label2->isHidden());
    }

    void indexOneDrawsWhiteRays() {
        Form4->Edit1->setText(QStringLiteral("1"));
        const prism::Ray &r = Form4->lastTrace().rays[0];
        QCOMPARE(Form4->lastTrace().count, 63);
        QVERIFY(onLine({r.exit.x, r.exit.y}, {r.end.x, r.end.y}, 480, Qt::white));
    }

    void noPrismBelowIndexOne_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("0.9") << "0.9";
        QTest::newRow("letters") << "abc";
        QTest::newRow("negative") << "-5";
    }
    void noPrismBelowIndexOne() {
        QFETCH(QString, text);
        Form4->Edit1->setText(text);
        QVERIFY(onlyBackground(Qt::black));
    }

    void dispersionCorrection_data() {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1000 with 1.3") << "1.3"
                                       << "1000"
                                       << "650";
        QTest::newRow("650 with 1.3 kept") << "1.3"
                                           << "650"
                                           << "650";
        QTest::newRow("10 with no index") << "0"
                                          << "10"
                                          << "0";
    }
    void dispersionCorrection() {
        QFETCH(QString, n);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Form4->Edit1->setText(n);
        Form4->Edit2->setText(typed);
        QCOMPARE(Form4->Edit2->text(), shown);
    }

    void lowerIndexCorrectsTheDispersion() {
        Form4->Edit2->setText(QStringLiteral("600"));
        Form4->Edit1->setText(QStringLiteral("1.1"));
        QCOMPARE(Form4->Edit2->text(), QStringLiteral("550"));
        QVERIFY(std::fabs(double(Form4->lastTrace().rays[0].n) - (1.1 - 190 * 550e-5)) < 1e-12);
    }

    void lampDrag_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("down and right") << 40 << 30 << QPoint(40, 182);
        QTest::newRow("above 100 stops at 100") << 10 << -100 << QPoint(10, 100);
        QTest::newRow("left of 0 stops at 0") << -50 << 10 << QPoint(0, 162);
        QTest::newRow("top at 0 is refused") << 30 << -152 << QPoint(0, 152);
        QTest::newRow("bottom at the panel's edge is refused") << 30 << 120 << QPoint(0, 152);
        QTest::newRow("just above the edge") << 30 << 119 << QPoint(30, 271);
    }
    void lampDrag() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QPoint, place);
        dragLamp(dx, dy);
        QCOMPARE(Form4->Image2->pos(), place);
        QVERIFY(!Form4->Dragging);
        QCOMPARE(Form4->lastTrace().source, (prism::Point{place.x() + 27, place.y() + 22}));
    }

    void lampRightOfTheAimingPoint() {
        dragLamp(300, 0);
        QCOMPARE(Form4->Image2->x(), 300);
        QVERIFY(!Form4->lastTrace().beamShown);
        QVERIFY(Form4->Label2->isHidden());
        QCOMPARE(at(285, 200), QColor(0, 255, 255)); // the prism stays
    }

    void backgroundColourFromTheDialog() {
        Form4->ColorDialog1->chooser = [](const QColor &) { return QColor(0, 0, 128); };
        mouse(Form4->Image1, QEvent::MouseButtonPress, Form4->Image1->mapToGlobal(QPoint(500, 30)),
              Qt::LeftButton, Qt::LeftButton);
        mouse(Form4->Image1, QEvent::MouseButtonRelease,
              Form4->Image1->mapToGlobal(QPoint(500, 30)), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(at(500, 30), QColor(0, 0, 128));
        Form4->ColorDialog1->chooser = [](const QColor &) { return std::nullopt; };
        Form4->Image1Click();
        QCOMPARE(Form4->surface->background, QColor(0, 0, 128));
        Form4->Edit1->setText(QStringLiteral("0.5"));
        QVERIFY(onlyBackground(QColor(0, 0, 128)));
    }

    void enterRedrawsEscHides() {
        Form4->setFocus();
        QApplication::setActiveWindow(Form4);
        if (QWidget *f = QApplication::focusWidget()) f->clearFocus();
        {
            const QSignalBlocker block(Form4->Edit1);
            Form4->Edit1->setText(QStringLiteral("1.7"));
        }
        QTest::sendKeyEvent(QTest::Click, Form4, Qt::Key_Return, QChar(13), Qt::NoModifier);
        QVERIFY(Form4->Label2->isVisible());
        Form4->PageControl1->setCurrentIndex(0);
        QCOMPARE(Form4->animation()->state(), QMovie::Running);
        QTest::sendKeyEvent(QTest::Click, Form4, Qt::Key_Escape, QChar(27), Qt::NoModifier);
        QVERIFY(!Form4->isVisible());
        QVERIFY(Form4->animation()->state() != QMovie::Running); // hidden, not playing
    }

    void resizeKeepsTheLampOnThePicture() {
        Form4->Image2->move(0, 250);
        Form4->resize(578, 250); // picture 200 high
        pumpFor(5);
        QCOMPARE(Form4->Image1->Bitmap.size(), Form4->Panel1->size());
        QCOMPARE(Form4->Image2->y(), Form4->Panel1->height() - 48);
        QCOMPARE(Form4->lastTrace().source.y, Form4->Panel1->height() - 48 + 22);
    }

    // Resized while the first page is shown, the picture page is ready at
    // its new size when the user turns to it.
    void hiddenPageFollowsTheWindow() {
        Form4->PageControl1->setCurrentIndex(0);
        Form4->resize(650, 420);
        pumpFor(5);
        QCOMPARE(Form4->Panel1->size(), QSize(650 - 8, 420 - 28 - 34));
        QCOMPARE(Form4->Image1->Bitmap.size(), Form4->Panel1->size());
        QCOMPARE(Form4->Image1->size(), Form4->Panel1->size() - QSize(2, 2));
        Form4->PageControl1->setCurrentIndex(1);
        pumpFor(5);
        QCOMPARE(Form4->Panel1->size(), QSize(650 - 8, 420 - 28 - 34));
        QCOMPARE(Form4->lastTrace().entry.x, 642 / 2 - 640 * 58 / 535);
    }

    // The animation plays only while its page is shown.
    void animationFollowsThePage() {
        Form4->PageControl1->setCurrentIndex(0);
        QCOMPARE(Form4->animation()->state(), QMovie::Running);
        Form4->PageControl1->setCurrentIndex(1);
        QVERIFY(Form4->animation()->state() != QMovie::Running);
        Form4->PageControl1->setCurrentIndex(0);
        Form4->close();
        QVERIFY(Form4->animation()->state() != QMovie::Running);
        pumpFor(TDemoForm::kFadeMs + 150);
        QVERIFY(!Form4->isVisible());
        Form4->Show();
        pumpFor(20);
        QCOMPARE(Form4->animation()->state(), QMovie::Running);
    }
};

QTEST_MAIN(TestPrismWindow)
#include "tst_prism_window.moc"
