// The interference window: computing off the UI thread, the busy state in
// every outcome, the result hand-over, the messages, closing while busy.
#include "TestForms.h"
#include "waves/interference/GraphPanel.h"
#include "waves/interference/SourcePanel.h"
#include "waves/interference/Unit12.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Surface.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>

namespace {

bool waitIdle(int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (Form12->isBusy() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
    return !Form12->isBusy();
}

void setInputs(const QString &lambda, const QString &l, const QString &ymax, const QString &dy) {
    Form12->Edit5->setText(lambda);
    Form12->Edit1->setText(l);
    Form12->Edit2->setText(ymax);
    Form12->Edit3->setText(dy);
}

void closeMessage() {
    if (Form12->MessageBox1) Form12->MessageBox1->close();
    QApplication::processEvents();
}

QImage graphPicture() {
    return Form12->GraphPanel1->grab().toImage();
}

} // namespace

class TestInterferenceWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form12->Show();
        Form12->PageControl1->setCurrentIndex(1);
        pumpFor(50);
    }

    void init() {
        setInputs("5000", "1", "0.5", "0.0001");
        Form12->Edit4->setText("0.0008");
        Form12->SourcePanel1->Sources.remove(INT_MIN, INT_MAX);
        Form12->ComboBox1->setCurrentIndex(1);
    }

    void noSourcesLieOnTheBaseline() {
        Form12->Button1Click();
        QVERIFY(waitIdle());
        QCOMPARE(Form12->GraphPanel1->Count(), 10000);
        const QImage img = graphPicture();
        TGraphPanel *g = Form12->GraphPanel1;
        const int base = g->height() - g->ScrollBar->height() - 3;
        for (int x : {5, g->width() / 2, g->width() - 5}) {
            QCOMPARE(img.pixelColor(x, base), QColor(Qt::white));
            QCOMPARE(img.pixelColor(x, base - 1), QColor(Qt::black));
        }
    }

    void resultResetsTheScales() {
        Form12->Edit6->setText("3.5");
        Form12->SpeedButton2Click();
        QCOMPARE(double(Form12->GraphPanel1->HorizontalScale), 3.5);
        Form12->Edit4->setText("0.25");
        Form12->Button1Click();
        QVERIFY(waitIdle());
        QCOMPARE(Form12->Edit6->text(), QStringLiteral("1"));
        QCOMPARE(double(Form12->GraphPanel1->HorizontalScale), 1.0);
        QCOMPARE(double(Form12->GraphPanel1->VerticalScale), 0.25);
    }

    void horizontalScaleOfZeroOrLessIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-2";
        QTest::newRow("no number") << "abc";
    }
    void horizontalScaleOfZeroOrLessIsRefused() {
        Form12->Edit6->setText("2.5");
        Form12->SpeedButton2Click();
        QFETCH(QString, text);
        Form12->Edit6->setText(text);
        Form12->SpeedButton2Click();
        QCOMPARE(double(Form12->GraphPanel1->HorizontalScale), 2.5);
        QCOMPARE(Form12->Edit6->text(), QStringLiteral("2.500000000000000"));
        Form12->GraphPanel1->grab(); // draws without dividing by zero
    }

    void rangeBelowStepGivesNothing() {
        setInputs("5000", "1", "0.00001", "0.0001");
        Form12->Button1Click();
        QVERIFY(waitIdle());
        QCOMPARE(Form12->GraphPanel1->Count(), 0);
        const QImage img = graphPicture();
        for (int x = 0; x < img.width(); x += 7)
            for (int y = 0; y < img.height() - Form12->GraphPanel1->ScrollBar->height(); y += 5)
                QCOMPARE(img.pixelColor(x, y), QColor(Qt::black));
    }

    void badInputEndsBusyWithMessage_data() {
        QTest::addColumn<QString>("ymax");
        QTest::addColumn<QString>("dy");
        QTest::addColumn<QString>("text");
        QTest::newRow("not a number") << "0.5x"
                                      << "0.0001"
                                      << "Задано неверное число";
        QTest::newRow("step zero") << "0.5"
                                   << "0"
                                   << "Задано неверное число";
        QTest::newRow("step negative") << "0.5"
                                       << "-0.0001"
                                       << "Задано неверное число";
        QTest::newRow("no memory") << "1e300"
                                   << "1e-300"
                                   << "Памяти мало :(. Хочу всего-навсего ";
    }
    void badInputEndsBusyWithMessage() {
        QFETCH(QString, ymax);
        QFETCH(QString, dy);
        QFETCH(QString, text);
        Form12->Button1Click();
        QVERIFY(waitIdle());
        const int before = Form12->GraphPanel1->Count();
        setInputs("5000", "1", ymax, dy);
        Form12->Button1Click();
        QVERIFY(Form12->isBusy() || Form12->MessageBox1);
        QVERIFY(waitIdle());
        QVERIFY(Form12->Panel1->isEnabled());
        QVERIFY(Form12->ProgressBar1->isHidden());
        QVERIFY(Form12->MessageBox1);
        QCOMPARE(Form12->MessageBox1->windowTitle(), QStringLiteral("Ой!"));
        QVERIFY(Form12->MessageBox1->text().startsWith(text));
        QCOMPARE(Form12->MessageBox1->icon(), QMessageBox::Critical);
        if (text.startsWith(QStringLiteral("Памяти")))
            QVERIFY(Form12->MessageBox1->text().contains(
                QRegularExpression("всего-навсего \\d\\.\\d{3}e\\+\\d{3} байт$")));
        closeMessage();
        QCOMPARE(Form12->GraphPanel1->Count(), before); // the shown result stays
    }

    void busyDisablesPanelButGraphZooms() {
        for (int j = 0; j < 50; ++j)
            Form12->SourcePanel1->Sources.add(j * 10, j * 10, 200);
        setInputs("5000", "1", "0.5", "0.000002"); // long enough to catch it busy
        Form12->Button1Click();
        QVERIFY(Form12->isBusy());
        QVERIFY(!Form12->Panel1->isEnabled());
        QVERIFY(!Form12->SourcePanel1->isEnabled());
        QVERIFY(Form12->ProgressBar1->isVisible());
        const long double before = Form12->GraphPanel1->VerticalScale;
        QWheelEvent wheel(QPointF(50, 50), Form12->GraphPanel1->mapToGlobal(QPointF(50, 50)),
                          QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(Form12->GraphPanel1, &wheel);
        QCOMPARE(double(Form12->GraphPanel1->VerticalScale), double(before * 1.1L));
        Form12->Button1Click(); // refused while busy
        QVERIFY(waitIdle(60000));
        QVERIFY(Form12->Panel1->isEnabled());
        QVERIFY(Form12->SourcePanel1->isEnabled());
        QVERIFY(Form12->ProgressBar1->isHidden());
        QCOMPARE(Form12->GraphPanel1->Count(), 500000);
    }

    void resultsReplaceAndReleaseBuffers() {
        Form12->Button1Click();
        QVERIFY(waitIdle());
        const int live = MappedSamples::liveCount();
        Form12->Button1Click();
        QVERIFY(waitIdle());
        QCOMPARE(MappedSamples::liveCount(), live);
        QCOMPARE(live, 1);
    }

    void sourcesBeyondTheStripCount() {
        // A source far off the visible strip, given in millimetres.
        Form12->SourcePanel1->Sources.add(5000, 5000, 255);
        Form12->ComboBox1->setCurrentIndex(2);
        Form12->Button1Click();
        QVERIFY(waitIdle());
        const float *s = Form12->GraphPanel1->Data();
        const int n = Form12->GraphPanel1->Count() / 2;
        // Brightest straight in front of it at y = 5 m? Out of range: just
        // check it lit the screen with 255² / 2 / r².
        const double r2 = 25.0 + 1.0;
        QVERIFY(qAbs(s[n] - 255.0 * 255.0 * 0.5 / r2) < 1e-3);
    }

    void closingWhileBusyStillDelivers() {
        Form12->SourcePanel1->Sources.add(0, 0, 255);
        setInputs("5000", "1", "0.5", "0.000005");
        Form12->Button1Click();
        QVERIFY(Form12->isBusy());
        Form12->close();
        QVERIFY(waitIdle(60000));
        pumpFor(600);
        QVERIFY(Form12->isHidden());
        QCOMPARE(Form12->GraphPanel1->Count(), interferenceLayout(0.5, 0.000005).count());
        QCOMPARE(MappedSamples::liveCount(), 1);
        Form12->Show();
        Form12->PageControl1->setCurrentIndex(1);
    }

    // Last: the window goes while its worker runs; the worker stops, no leak.
    void destroyWhileBusy() {
        for (int j = 0; j < 50; ++j)
            Form12->SourcePanel1->Sources.add(j * 10, j * 10, 200);
        setInputs("5000", "1", "0.5", "0.000001");
        Form12->Button1Click();
        QVERIFY(Form12->isBusy());
        pumpFor(30);
        destroyAllForms();
        QCOMPARE(MappedSamples::liveCount(), 0);
    }
};

QTEST_MAIN(TestInterferenceWindow)
#include "tst_interference_window.moc"
