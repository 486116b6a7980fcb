// The Fraunhofer window driven like a user: the computation off the UI
// thread, the picture's shape, spot and shadow, colour and grey, the outline
// read at drawing time, the inputs refused with a message, closing mid-run.
#include "TestForms.h"
#include "core/WavelengthWalk.h"
#include "waves/fraunhofer/Unit9.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

namespace {

void setDefaults() {
    Form9->CSpinEdit1->setValue(600);
    Form9->Edit2->setText(QStringLiteral("2000"));
    Form9->Edit3->setText(QStringLiteral("0.1"));
    Form9->Edit4->setText(QStringLiteral("0.1"));
    Form9->Edit5->setText(QStringLiteral("0.5"));
    Form9->ComboBox1->setCurrentIndex(0);
    Form9->CheckBox1->setChecked(true);
    Form9->CheckBox2->setChecked(false);
}

bool waitIdle(int ms = 10000) {
    QElapsedTimer t;
    t.start();
    while (Form9->isBusy() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return !Form9->isBusy();
}

void compute() {
    Form9->Button1->click();
    QVERIFY(waitIdle());
}

QRgb pixel(int x, int y) {
    return Form9->Image1->Bitmap.pixel(x, y) & 0xFFFFFF;
}

} // namespace

class TestFraunhoferWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form9->Show();
        pumpFor(50);
        setDefaults();
        compute();
    }

    void init() {
        if (!Form9->isVisible()) Form9->Show();
        setDefaults();
        if (MessageBox1()) MessageBox1()->close();
    }

    void brightestNearCentreAndSymmetric() {
        const FraunhoferPicture &r = Form9->Result;
        // The brightest level, 255, is a small plateau around the centre.
        int x0 = 400, x1 = -1, y0 = 400, y1 = -1;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (r.at(x, y) == 255) {
                    x0 = std::min(x0, x), x1 = std::max(x1, x);
                    y0 = std::min(y0, y), y1 = std::max(y1, y);
                }
        QVERIFY(x1 >= 0);
        QVERIFY2(x0 >= 190 && x1 <= 210 && y0 >= 190 && y1 <= 210,
                 qPrintable(QStringLiteral("%1..%2 x %3..%4").arg(x0).arg(x1).arg(y0).arg(y1)));
        QVERIFY(std::abs(x0 + x1 - 399) <= 1 && std::abs(y0 + y1 - 399) <= 1);
        // The boxes reach one pixel further on one side: column 200 + k
        // mirrors column 199 - k.
        int worst = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x) {
                worst = std::max(worst, std::abs(r.at(x, y) - r.at(399 - x, y)));
                worst = std::max(worst, std::abs(r.at(x, y) - r.at(x, 399 - y)));
            }
        QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
        QCOMPARE(r.at(0, 0) < 10, true);
    }

    void viewModes_data() {
        QTest::addColumn<bool>("shadow");
        QTest::addColumn<bool>("colour");
        QTest::newRow("spot in colour") << false << true;
        QTest::newRow("spot in grey") << false << false;
        QTest::newRow("shadow in colour") << true << true;
        QTest::newRow("shadow in grey") << true << false;
    }
    void viewModes() {
        QFETCH(bool, shadow);
        QFETCH(bool, colour);
        Form9->ComboBox1->setCurrentIndex(shadow ? 1 : 0);
        Form9->CheckBox1->setChecked(colour);
        Form9->DrawResult();
        const Rgb light = colour ? Rgb{222, 255, 0} : Rgb{255, 255, 255};
        const FraunhoferPicture &r = Form9->Result;
        for (int y = 0; y < 400; y += 7)
            for (int x = 0; x < 400; x += 3) {
                const int g = shadow ? 255 - r.at(x, y) : r.at(x, y);
                const Rgb c = tint(g, light);
                QCOMPARE(pixel(x, y), qRgb(c.red, c.green, c.blue) & 0xFFFFFF);
            }
        // The brightest pixel: the light's colour, or black in the shadow.
        const auto top = std::max_element(r.value.begin(), r.value.end()) - r.value.begin();
        QCOMPARE(pixel(int(top % 400), int(top / 400)),
                 shadow ? 0u : qRgb(light.red, light.green, light.blue) & 0xFFFFFF);
        QCOMPARE(pixel(0, 0) == 0, !shadow);
    }

    void outlineReadAtDrawingTime_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<QRgb>("ink");
        QTest::newRow("defaults, red") << false << "0.1"
                                       << "0.1"
                                       << "0.5" << 40 << 40 << 0xFF0000u;
        QTest::newRow("changed after the run") << false << "0.05"
                                               << "0.15"
                                               << "0.5" << 20 << 60 << 0xFF0000u;
        QTest::newRow("larger screen") << false << "0.1"
                                       << "0.1"
                                       << "1" << 20 << 20 << 0xFF0000u;
        // 600 nm is (222, 255, 0); its complement (33, 0, 255).
        QTest::newRow("complement in colour") << true << "0.1"
                                              << "0.1"
                                              << "0.5" << 40 << 40 << 0x2100FFu;
    }
    void outlineReadAtDrawingTime() {
        QFETCH(bool, colour);
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, side);
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(QRgb, ink);
        Form9->CheckBox1->setChecked(colour);
        Form9->CheckBox2->setChecked(true);
        Form9->Edit3->setText(width);
        Form9->Edit4->setText(height);
        Form9->Edit5->setText(side);
        Form9->DrawResult();
        // Dotted, three on and three off: about half of each side carries
        // the ink, and nothing just inside or outside the corners.
        const auto count = [&](int x0, int y0, int dx, int dy, int n) {
            int c = 0;
            for (int i = 0; i < n; ++i)
                c += pixel(x0 + i * dx, y0 + i * dy) == ink;
            return c;
        };
        const int top = count(200 - w, 200 - h, 1, 0, 2 * w + 1);
        const int bottom = count(200 - w, 200 + h, 1, 0, 2 * w + 1);
        const int left = count(200 - w, 200 - h, 0, 1, 2 * h + 1);
        const int right = count(200 + w, 200 - h, 0, 1, 2 * h + 1);
        QVERIFY2(std::abs(top - w) <= 3 && std::abs(bottom - w) <= 3,
                 qPrintable(QStringLiteral("%1 %2").arg(top).arg(bottom)));
        QVERIFY2(std::abs(left - h) <= 3 && std::abs(right - h) <= 3,
                 qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
        QCOMPARE(count(200 - w + 1, 200 - h + 1, 1, 0, 2 * w - 1), 0);
        QCOMPARE(count(200 + w + 1, 200 - h, 0, 1, 2 * h + 1), 0);
        QCOMPARE(count(200 - w, 200 + h + 1, 1, 0, 2 * w + 1), 0);
    }

    void meaninglessInputsRefused_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("wavelength 0") << "CSpinEdit1"
                                      << "0";
        QTest::newRow("negative wavelength") << "CSpinEdit1"
                                             << "-600";
        QTest::newRow("distance 0") << "Edit2"
                                    << "0";
        QTest::newRow("negative distance") << "Edit2"
                                           << "-2000";
        QTest::newRow("distance no number") << "Edit2"
                                            << "abc";
        QTest::newRow("screen 0") << "Edit5"
                                  << "0";
        QTest::newRow("screen overflowing a float") << "Edit5"
                                                    << "1e60";
    }
    void meaninglessInputsRefused() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        const std::vector<std::int32_t> before = Form9->Result.value;
        if (control == "CSpinEdit1")
            Form9->CSpinEdit1->setText(text);
        else
            Form9->findChild<QLineEdit *>(control)->setText(text);
        Form9->Button1->click();
        QVERIFY(!Form9->isBusy());
        QVERIFY(MessageBox1() && MessageBox1()->isVisible());
        QVERIFY(Form9->Panel2->isEnabled());
        QVERIFY(Form9->Result.value == before);
        MessageBox1()->close();
        pumpFor(10);
    }

    void openingsWithoutPictureAreBlack_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("narrower than a pixel") << "0.001"
                                               << "0.1";
        QTest::newRow("lower than a pixel") << "0.1"
                                            << "0.002";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("negative") << "-0.1"
                                  << "0.1";
    }
    void openingsWithoutPictureAreBlack() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        Form9->Edit3->setText(width);
        Form9->Edit4->setText(height);
        compute();
        QVERIFY(!MessageBox1());
        const auto &v = Form9->Result.value;
        QVERIFY(std::all_of(v.begin(), v.end(), [](std::int32_t g) { return g == 0; }));
        QCOMPARE(pixel(200, 200), 0u);
    }

    void busyWhileComputing() {
        Form9->Button1->click();
        QVERIFY(Form9->isBusy());
        QVERIFY(!Form9->Panel2->isEnabled());
        QVERIFY(!Form9->ProgressBar1->isHidden());
        QVERIFY(waitIdle());
        QVERIFY(Form9->Panel2->isEnabled());
        QVERIFY(Form9->ProgressBar1->isHidden());
        const auto &v = Form9->Result.value;
        QCOMPARE(*std::max_element(v.begin(), v.end()), 255);
    }

    void closingMidRunKeepsTheResult() {
        Form9->Edit3->setText(QStringLiteral("0.03"));
        compute();
        const std::vector<std::int32_t> narrow = Form9->Result.value;
        Form9->Edit3->setText(QStringLiteral("0.1"));
        Form9->Button1->click();
        Form9->close();
        QVERIFY(waitIdle());
        pumpFor(TDemoForm::kFadeMs + 100);
        QVERIFY(!Form9->isVisible());
        QVERIFY(Form9->Result.value != narrow);
        Form9->Show();
        pumpFor(20);
        QCOMPARE(pixel(170, 200), pixel(230, 200));
        QVERIFY(pixel(170, 200) != 0);
    }

  private:
    static QMessageBox *MessageBox1() { return Form9->MessageBox1.data(); }
};

QTEST_MAIN(TestFraunhoferWindow)
#include "tst_fraunhofer_window.moc"
