// The microparticle window driven as a user drives it: its pages and
// controls, electrons added, paused, resumed and cleared tick by tick, the
// status texts, and the screen's dots across resizing and clearing.
#include "TestForms.h"
#include "atomic/microparticles/DifrPanel.h"
#include "atomic/microparticles/Unit51.h"
#include "widgets/Surface.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace electrons;

namespace {

int recordedCells(const HitGrid &grid) {
    int n = 0;
    for (int c = 0; c < HitGrid::kSize; ++c)
        for (int r = 0; r < HitGrid::kSize; ++r)
            n += grid.column(c)[r];
    return n;
}

void ticks(int n) {
    for (int t = 0; t < n; ++t)
        Form51->Timer1Timer();
}

QString emitted(int n) {
    return QStringLiteral("Выпущено электронов: %1").arg(n);
}
QString left(int n) {
    return QStringLiteral("Осталось электронов: %1").arg(n);
}

// Collects the regions a widget is asked to paint.
class PaintSpy : public QObject {
  public:
    explicit PaintSpy(QWidget *w) : target(w) { w->installEventFilter(this); }
    ~PaintSpy() override { target->removeEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent *>(e)->region();
        return false;
    }
    QWidget *target;
    QRegion painted;
};

bool white(const QImage &img, QPoint p) {
    return (img.pixel(p) & 0xFFFFFF) == 0xFFFFFF;
}

} // namespace

class TestMicroparticlesWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        QVERIFY(Form51);
    }

    // Each test starts from a cleared, running window with default choices.
    void init() {
        Form51->Button2Click();
        if (Form51->state.paused) Form51->Button3Click();
        Form51->state.tickCounter = 0;
        Form51->ComboBox1->setCurrentText(QStringLiteral("10000"));
        Form51->ComboBox2->setCurrentText(QStringLiteral("1"));
        Form51->ComboBox3->setCurrentText(QStringLiteral("30"));
    }

    void texts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        auto row = [](const char *name, const char *text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text);
        };
        row("Button1", "Добавить электронов:");
        row("Button2", "Очистка поля");
        row("Button3", "Приостановить");
        row("Label1", "Скорость, электронов/секунду:");
        row("Label2", "Ускоряющее напряжение, кВ:");
        row("ComboBox1", "10000");
        row("ComboBox2", "1");
        row("ComboBox3", "30");
        row("GroupBox1", "Схема установки");
        row("GroupBox2", "Схема кристаллической решетки образца");
        row("GroupBox3", "Пример эксперимента");
    }
    void texts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QObject *c = Form51->findChild<QObject *>(name);
        QVERIFY2(c, qPrintable(name));
        QString shown;
        if (auto *b = qobject_cast<QPushButton *>(c)) shown = b->text();
        if (auto *l = qobject_cast<QLabel *>(c)) shown = l->text();
        if (auto *x = qobject_cast<QComboBox *>(c)) shown = x->currentText();
        if (auto *g = qobject_cast<QGroupBox *>(c)) shown = g->title();
        QCOMPARE(shown, text);
    }

    void frameAndPages() {
        QCOMPARE(Form51->windowTitle(), QStringLiteral("Дифракция микрочастиц."));
        QCOMPARE(Form51->PageControl1->tabText(0), QStringLiteral("Схема установки"));
        QCOMPARE(Form51->PageControl1->tabText(1), QStringLiteral("Моделирование"));
        QCOMPARE(Form51->ComboBox2->count(), 7);
        QCOMPARE(Form51->ComboBox3->itemText(7), QStringLiteral("200"));
        QVERIFY(Form51->ComboBox1->isEditable());
        // The three pictures are there (not blank frames) from the first show
        // on, which runs what the window put off until then.
        Form51->buildDeferred();
        for (TImage *img : {Form51->Image1, Form51->Image2, Form51->Image3})
            QVERIFY(img->Bitmap.width() > 200);
        QCOMPARE(Form51->Panel1->geometry(), QRect(8, 8, 609, 73));
        QCOMPARE(Form51->DifrPanel->background(), QColor(Qt::black));
    }

    void timerRunsOnlyWhileShown() {
        QCOMPARE(Form51->Timer1->interval(), 100);
        QVERIFY(!Form51->Timer1->isActive());
        Form51->Show();
        QVERIFY(Form51->Timer1->isActive());
        Form51->close();
        QVERIFY(!Form51->Timer1->isActive());
        pumpFor(700);
        QVERIFY(!Form51->isVisible());
    }

    void emission_data() {
        QTest::addColumn<QString>("batch");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("volts");
        QTest::addColumn<int>("tickCount");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("remaining");
        auto row = [](const char *name, const char *batch, const char *rate, const char *volts,
                      int tickCount, int total, int remaining) {
            QTest::newRow(name) << QString(batch) << QString(rate) << QString(volts) << tickCount
                                << total << remaining;
        };
        row("rate 1: one with the tenth", "100", "1", "30", 10, 1, 99);
        row("remaining 3 at rate 5, stopped after", "3", "5", "30", 25, 3, 0);
        row("rate not a number: none", "100", "fast", "30", 10, 0, 100);
        row("negative rate: none", "100", "-100", "30", 10, 0, 100);
        row("voltage 0: none", "100", "100", "0", 10, 0, 100);
        row("negative voltage: none", "100", "100", "-30", 10, 0, 100);
        row("voltage not a number: 30 kV", "100", "100", "x", 10, 100, 0);
        row("negative batch adds nothing", "-5", "100", "30", 10, 0, 0);
        row("batch not an integer adds nothing", "1e3", "100", "30", 10, 0, 0);
    }
    void emission() {
        QFETCH(QString, batch);
        QFETCH(QString, rate);
        QFETCH(QString, volts);
        QFETCH(int, tickCount);
        QFETCH(int, total);
        QFETCH(int, remaining);
        Form51->ComboBox1->setCurrentText(batch);
        Form51->ComboBox2->setCurrentText(rate);
        Form51->ComboBox3->setCurrentText(volts);
        Form51->Button1->click();
        ticks(tickCount);
        QCOMPARE(Form51->statusText(1), emitted(total));
        QCOMPARE(Form51->statusText(2), left(remaining));
        const int cells = recordedCells(Form51->DifrPanel->grid());
        QVERIFY(cells <= total);
        QCOMPARE(cells > 0, total > 0);
    }

    void batchesAddUp() {
        Form51->ComboBox1->setCurrentText(QStringLiteral("100"));
        Form51->Button1->click();
        Form51->Button1->click();
        ticks(1);
        QCOMPARE(Form51->statusText(2), left(200));
    }

    void pauseAndResume() {
        Form51->ComboBox1->setCurrentText(QStringLiteral("100"));
        Form51->Button1->click();
        ticks(4);
        Form51->Button3->click();
        QCOMPARE(Form51->Button3->text(), QStringLiteral("Продолжить"));
        ticks(30);
        QCOMPARE(Form51->statusText(1), emitted(0));
        QCOMPARE(Form51->statusText(2), left(100));
        QCOMPARE(Form51->state.tickCounter, 4);
        Form51->Button3->click();
        QCOMPARE(Form51->Button3->text(), QStringLiteral("Приостановить"));
        ticks(5);
        QCOMPARE(Form51->statusText(1), emitted(0));
        ticks(1);
        QCOMPARE(Form51->statusText(1), emitted(1));
    }

    void clearingDropsWhatRemains() {
        Form51->ComboBox2->setCurrentText(QStringLiteral("1000"));
        Form51->Button1->click();
        ticks(3);
        QCOMPARE(Form51->statusText(1), emitted(300));
        Form51->Button2->click();
        QCOMPARE(recordedCells(Form51->DifrPanel->grid()), 0);
        ticks(10);
        QCOMPARE(Form51->statusText(1), emitted(0));
        QCOMPARE(Form51->statusText(2), left(0));
    }

    // The window's electrons are the sampler's: with a fixed seed they land
    // where the model puts them.
    void electronsLandWhereTheModelSays() {
        Form51->sampler.reseed(11);
        Form51->ComboBox1->setCurrentText(QStringLiteral("100"));
        Form51->ComboBox2->setCurrentText(QStringLiteral("1000"));
        Form51->ComboBox3->setCurrentText(QStringLiteral("50"));
        Form51->Button1->click();
        ticks(1);
        ElectronSampler model(11);
        const QSize size = Form51->DifrPanel->size();
        HitGrid expected;
        for (int n = 0; n < 100; ++n) {
            const Landing hit = model.next(*scaleFor(50));
            expected.add(hit.dx, hit.dy, size.width(), size.height());
        }
        const HitGrid &got = Form51->DifrPanel->grid();
        for (int c = 0; c < HitGrid::kSize; ++c)
            QVERIFY(std::equal(got.column(c), got.column(c) + HitGrid::kSize, expected.column(c)));
    }

    // Dots are painted from the grid around the screen's centre, follow the
    // centre when the window grows, and go with clearing.
    void screenPaintsHits() {
        Form51->Show();
        Form51->PageControl1->setCurrentIndex(1);
        pumpFor(50);
        TDifrPanel *screen = Form51->DifrPanel;
        QVERIFY(screen->AddHit(20, 100));
        QVERIFY(!screen->AddHit(0, screen->height() - screen->height() / 2));
        QVERIFY(!screen->AddHit(1100, 0));
        pumpFor(50);
        QPoint at(screen->width() / 2 + 20, screen->height() / 2 + 100);
        QImage img = screen->grab().toImage();
        QVERIFY(white(img, at));
        QVERIFY(white(img, at + QPoint(1, 0)));
        QVERIFY(white(img, at + QPoint(0, 1)));
        QVERIFY(!white(img, at + QPoint(1, 1)));

        Form51->resize(Form51->width() + 101, Form51->height() + 60);
        pumpFor(50);
        at = QPoint(screen->width() / 2 + 20, screen->height() / 2 + 100);
        img = screen->grab().toImage();
        QVERIFY(white(img, at));
        QVERIFY(white(img, at - QPoint(1, 0)));

        screen->ClearField();
        pumpFor(50);
        img = screen->grab().toImage();
        QVERIFY(!white(img, at));
        Form51->resize(Form51->width() - 101, Form51->height() - 60);
        Form51->close();
        pumpFor(700);
    }

    // Electrons keep landing while the pictures page is shown: the screen
    // keeps the size it will show with.
    void screenFollowsTheWindowOnTheOtherPage() {
        Form51->PageControl1->setCurrentIndex(0);
        Form51->Show();
        Form51->resize(Form51->width() + 150, Form51->height() + 90);
        pumpFor(50);
        const QSize hidden = Form51->DifrPanel->size();
        Form51->PageControl1->setCurrentIndex(1);
        pumpFor(50);
        QCOMPARE(hidden, Form51->DifrPanel->size());
        Form51->resize(Form51->width() - 150, Form51->height() - 90);
        Form51->close();
        pumpFor(700);
    }

    // A hit repaints only the few pixels of its dot; many hits in one go are
    // repainted together, every dot whole.
    void repaintsCoverTheNewDots_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("one hit") << 1;
        QTest::newRow("a few hits") << 20;
        QTest::newRow("many hits") << 101;
    }
    void repaintsCoverTheNewDots() {
        QFETCH(int, count);
        Form51->Show();
        Form51->PageControl1->setCurrentIndex(1);
        pumpFor(50);
        TDifrPanel *screen = Form51->DifrPanel;
        PaintSpy spy(screen);
        const QPoint centre(screen->width() / 2, screen->height() / 2);
        QList<QPoint> at;
        for (int k = 0; k < count; ++k) {
            const int x = -150 + 3 * k;
            QVERIFY(screen->AddHit(x, x / 3));
            at.append(centre + QPoint(x, x / 3));
        }
        pumpFor(50);
        for (const QPoint &p : at)
            QVERIFY(spy.painted.contains(QRect(p - QPoint(1, 1), QSize(3, 3))));
        if (count == 1)
            QCOMPARE(spy.painted.boundingRect(), QRect(at[0] - QPoint(1, 1), QSize(3, 3)));
        const QImage img = screen->grab().toImage();
        for (const QPoint &p : at)
            QVERIFY(white(img, p) && white(img, p + QPoint(1, 0)) && white(img, p - QPoint(0, 1)));
        Form51->close();
        pumpFor(700);
    }
};

QTEST_MAIN(TestMicroparticlesWindow)
#include "tst_microparticles_window.moc"
