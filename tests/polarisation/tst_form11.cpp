// The anisotropic-medium window: steps, pictures, pacing, animations, exit.
#include "TestForms.h"
#include "canvas/Colours.h"
#include "polarisation/anisotropic/Unit11.h"
#include "widgets/Surface.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMovie>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

namespace {
bool maroon(const QImage &img, int x, int y) {
    const QColor c(img.pixel(x, y));
    return c == colours::clMaroon || c == colours::clYellow; // yellow: the current vector
}

void setEdits(const char *lambda, const char *f, const char *kx, const char *ky, const char *d) {
    Form11->Edit5->setText(QLatin1String(lambda));
    Form11->Edit6->setText(QLatin1String(f));
    Form11->Edit3->setText(QLatin1String(kx));
    Form11->Edit4->setText(QLatin1String(ky));
    Form11->Edit7->setText(QLatin1String(d));
    Form11->Edit8->setText(QStringLiteral("1"));
}

// Shown on the second page, paused, reset: the test drives the steps.
void quietWindow() {
    Form11->Show();
    Form11->PageControl1->setCurrentIndex(1);
    Form11->TrackBar1->setValue(0);
    pumpFor(100);
    Form11->Button3Click();
}

bool moviesRunning() {
    for (int i = 0; i < 4; ++i)
        if (Form11->movie(i)->state() != QMovie::Running) return false;
    return true;
}
bool moviesStopped() {
    for (int i = 0; i < 4; ++i)
        if (Form11->movie(i)->state() == QMovie::Running) return false;
    return true;
}
} // namespace

class TestForm11 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void defaults() {
        QCOMPARE(Form11->Edit5->text(), QStringLiteral("500"));
        QCOMPARE(Form11->Edit6->text(), QStringLiteral("180"));
        QCOMPARE(Form11->Edit7->text(), QStringLiteral("125"));
        QCOMPARE(Form11->TrackBar1->value(), 3);
        QCOMPARE(Form11->TrackBar1->maximum(), 20);
        QCOMPARE(Form11->PageControl1->tabText(1),
                 QStringLiteral("Прохождение света через вещество"));
        QVERIFY(Form11->pacer().running());
        for (int i = 0; i < 4; ++i)
            QVERIFY2(Form11->movie(i)->isValid(), qPrintable(QString::number(i)));
    }

    // One period from the defaults: a diagonal line in, a circle out.
    void tracesAfterOnePeriod() {
        quietWindow();
        setEdits("500", "180", "1", "2", "125");
        for (int i = 0; i < 168; ++i)
            QVERIFY(Form11->WaveStep());
        const QImage &in = Form11->Image1->Bitmap, &out = Form11->Image2->Bitmap;
        QCOMPARE(in.size(), Form11->Image1->size());
        const int C = in.width() / 2;
        for (int k : {25, 45, 60}) {
            QVERIFY(maroon(in, C - k, C - k) && maroon(in, C + k, C + k));
            QVERIFY(!maroon(in, C - k, C + k) && !maroon(in, C + k, C - k));
            QVERIFY(maroon(out, C - k * 7 / 10, C + k * 7 / 10));
            QVERIFY(maroon(out, C + k * 7 / 10, C - k * 7 / 10));
        }
    }

    void sameDiagonalAndThinPlate_data() {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("ky");
        QTest::addColumn<QString>("d");
        QTest::newRow("f 0, Kx = Ky") << "0"
                                      << "1"
                                      << "125";
        QTest::newRow("d 0") << "0"
                             << "2"
                             << "";
    }
    void sameDiagonalAndThinPlate() {
        QFETCH(QString, f);
        QFETCH(QString, ky);
        QFETCH(QString, d);
        quietWindow();
        setEdits("500", f.toLatin1(), "1", ky.toLatin1(), d.toLatin1());
        for (int i = 0; i < 168; ++i)
            QVERIFY(Form11->WaveStep());
        const QImage &in = Form11->Image1->Bitmap, &out = Form11->Image2->Bitmap;
        const int C = in.width() / 2;
        for (int k : {25, 45, 60}) {
            QVERIFY(maroon(in, C + k, C - k) && maroon(out, C + k, C - k));
            QVERIFY(maroon(in, C - k, C + k) && maroon(out, C - k, C + k));
            QVERIFY(!maroon(in, C + k, C + k) && !maroon(out, C + k, C + k));
        }
    }

    // An empty wavelength stops the animation without touching anything.
    void emptyWavelength() {
        quietWindow();
        setEdits("500", "180", "1", "2", "125");
        Form11->WaveStep();
        const QImage before = Form11->Image1->Bitmap;
        const long double t = Form11->animation.t;
        Form11->Edit5->setText(QString());
        QVERIFY(!Form11->WaveStep());
        Form11->Edit5->setText(QStringLiteral("0.0"));
        QVERIFY(!Form11->WaveStep());
        QCOMPARE(Form11->Image1->Bitmap, before);
        QCOMPARE(double(Form11->animation.t), double(t));
        Form11->Edit5->setText(QStringLiteral("500"));
        QVERIFY(Form11->WaveStep());
    }

    // The thread drives steps while shown and running, and only then.
    void pacing() {
        quietWindow();
        setEdits("500", "180", "1", "2", "125");
        pumpFor(200);
        QCOMPARE(double(Form11->animation.t), 0.0); // track bar at 0
        Form11->TrackBar1->setValue(20);
        QTRY_VERIFY_WITH_TIMEOUT(Form11->animation.t > 5e-17L, 5000);
        Form11->HideNow();
        pumpFor(100);
        const long double hidden = Form11->animation.t;
        pumpFor(400);
        QCOMPARE(double(Form11->animation.t), double(hidden));
        // Closing and showing again continues from where it was.
        Form11->Show();
        QTRY_VERIFY_WITH_TIMEOUT(Form11->animation.t > hidden, 5000);
        Form11->close();
        QTRY_VERIFY_WITH_TIMEOUT(Form11->isHidden(), 3000);
        pumpFor(100);
        const long double closed = Form11->animation.t;
        QVERIFY(closed >= hidden);
        Form11->Show();
        QTRY_VERIFY_WITH_TIMEOUT(Form11->animation.t > closed, 5000);
        Form11->TrackBar1->setValue(0);
    }

    void resizeResetsOnceLater() {
        quietWindow();
        for (int i = 0; i < 5; ++i)
            Form11->WaveStep();
        QVERIFY(Form11->animation.t > 0);
        Form11->resize(Form11->size() + QSize(40, 30));
        pumpFor(100);
        Form11->resize(Form11->size() + QSize(-20, 10));
        pumpFor(300);
        QVERIFY(Form11->animation.t > 0); // not yet
        QTRY_COMPARE_WITH_TIMEOUT(double(Form11->animation.t), 0.0, 2000);
        QCOMPARE(Form11->Image1->Bitmap.size(), Form11->Image1->size());
        QCOMPARE(Form11->GroupBox2->x(), Form11->Panel2->width() / 2);
        QCOMPARE(Form11->GroupBox1->height(), Form11->Panel2->height());
    }

    void resetButtons() {
        quietWindow();
        Form11->WaveStep();
        Form11->WaveStep();
        Form11->Button1->click();
        QVERIFY(!Form11->animation.hasPrevIn && Form11->animation.hasPrevOut);
        QVERIFY(Form11->animation.t > 0);
        Form11->Button3->click();
        QCOMPARE(double(Form11->animation.t), 0.0);
        QVERIFY(!Form11->animation.hasPrevOut);
        QCOMPARE(QColor(Form11->Image2->Bitmap.pixel(10, 10)), colours::clBlack);
    }

    // The animations run exactly while visible on the first page.
    void gifsFollowPageAndVisibility() {
        Form11->Show();
        Form11->PageControl1->setCurrentIndex(0);
        QVERIFY(moviesRunning());
        Form11->PageControl1->setCurrentIndex(1);
        QVERIFY(moviesStopped());
        Form11->PageControl1->setCurrentIndex(0);
        QVERIFY(moviesRunning());
        Form11->close();
        QTRY_VERIFY_WITH_TIMEOUT(Form11->isHidden(), 3000);
        QVERIFY(moviesStopped());
        Form11->Show();
        QVERIFY(moviesRunning());
        Form11->HideNow();
        QVERIFY(moviesStopped());
    }

    // Ending the program while the animation runs never hangs.
    void exitDuringAnimation_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("quit, windows destroyed") << "quit";
        QTest::newRow("launcher exit button") << "exit";
    }
    void exitDuringAnimation() {
        QFETCH(QString, how);
        const QString helper = QCoreApplication::applicationDirPath() + "/wave_quit_helper";
        for (int i = 0; i < 15; ++i) {
            QProcess p;
            p.start(helper, {QString::number(150 + 37 * i), how});
            QVERIFY(p.waitForStarted());
            const bool ended = p.waitForFinished(20000);
            if (!ended) p.kill();
            QVERIFY2(ended, "hung at exit");
            QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                     qPrintable(QString::number(p.exitCode()) + " " +
                                QString::fromLocal8Bit(p.readAllStandardError().right(2000))));
        }
    }
};

QTEST_MAIN(TestForm11)
#include "tst_form11.moc"
