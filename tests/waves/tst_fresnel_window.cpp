// The Fresnel window driven like a user: the computation off the UI thread,
// the graph's axes, labels and curve, the rings, the outlines read at
// drawing time, the inputs refused with a message, closing mid-run.
#include "TestForms.h"
#include "core/WavelengthWalk.h"
#include "waves/FresnelReference.h"
#include "waves/fresnel/FresnelScene.h"
#include "waves/fresnel/Unit10.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

namespace {

void setDefaults() {
    Form10->CSpinEdit1->setValue(405);
    Form10->Edit1->setText(QStringLiteral("0.01"));
    Form10->Edit2->setText(QStringLiteral("0.01"));
    Form10->Edit6->setText(QStringLiteral("0.00000"));
    Form10->Edit3->setText(QStringLiteral("0.00011"));
    Form10->Edit4->setText(QStringLiteral("0.0003"));
    Form10->CSpinEdit2->setValue(100);
    Form10->CSpinEdit3->setValue(100);
    Form10->Edit5->setText(QStringLiteral("100"));
    Form10->CheckBox1->setChecked(true);
    Form10->CheckBox2->setChecked(false);
}

bool waitIdle(int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (Form10->isBusy() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return !Form10->isBusy();
}

void compute() {
    Form10->Button1->click();
    QVERIFY(waitIdle());
}

QRgb graph(int x, int y) {
    return Form10->Image2->Bitmap.pixel(x, y) & 0xFFFFFF;
}
QRgb rings(int x, int y) {
    return Form10->Image1->Bitmap.pixel(x, y) & 0xFFFFFF;
}
QRgb rgb(Rgb c) {
    return qRgb(c.red, c.green, c.blue) & 0xFFFFFF;
}

QMessageBox *messageBox() {
    return Form10->MessageBox1.data();
}

constexpr QRgb kCyan = 0x00FFFF, kWhite = 0xFFFFFF, kRed = 0xFF0000;

} // namespace

class TestFresnelWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form10->Show();
        pumpFor(50);
        setDefaults();
        compute();
    }

    void init() {
        if (!Form10->isVisible()) Form10->Show();
        setDefaults();
        if (messageBox()) messageBox()->close();
    }

    void tickLabels_data() {
        QTest::addColumn<double>("R");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("left");
        QTest::newRow("defaults") << 0.0003 << "0.1200 мм"
                                  << "-0.1200 мм";
        QTest::newRow("one millimetre") << 0.001 << "0.4000 мм"
                                        << "-0.4000 мм";
        QTest::newRow("rounded") << 0.00012345 << "0.0494 мм"
                                 << "-0.0494 мм";
    }
    void tickLabels() {
        QFETCH(double, R);
        QFETCH(QString, right);
        QFETCH(QString, left);
        const float mm = static_cast<float>(R * 400);
        QCOMPARE(fresnelTickLabel(mm), right);
        QCOMPARE(fresnelTickLabel(-mm), left);
    }

    void graphAxesTicksAndCurve() {
        Form10->DrawResult();
        // The curve is drawn over the axes: look where it is high.
        QCOMPARE(graph(200, 0), kCyan);
        QCOMPARE(graph(200, 399), kCyan);
        for (int x = 150; x < 250; x += 7)
            QCOMPARE(graph(x, 350), kCyan);
        // Short ticks end at 356, the labelled ones at 369.
        QCOMPARE(graph(240, 356), kCyan);
        QVERIFY(graph(240, 360) != kCyan);
        QCOMPARE(graph(280, 369), kCyan);
        QCOMPARE(graph(120, 369), kCyan);
        // The labels are drawn in cyan under the labelled ticks.
        const auto cyanIn = [](int x0, int x1) {
            int n = 0;
            for (int y = 371; y < 390; ++y)
                for (int x = x0; x < x1; ++x)
                    n += graph(x, y) == kCyan;
            return n;
        };
        QVERIFY(cyanIn(260, 330) > 20);
        QVERIFY(cyanIn(100, 180) > 20);
        // Each line of the curve starts at the previous entry's height.
        const FresnelProfile &p = Form10->Result;
        for (int i = 1; i < 200; i += 9) {
            if (std::abs(350 - p[i - 1] - 350) < 3) continue; // on the axis
            QCOMPARE(graph(200 + i, 350 - p[i - 1]), kWhite);
            QCOMPARE(graph(200 - i, 350 - p[i - 1]), kWhite);
        }
    }

    void profileAsTypedInExtendedPrecision_data() {
        // Rounding a length to a double first moves where the running sum of
        // polar angles ends, and with it the outer edge's ring.
        QTest::addColumn<int>("nm");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<int>("nAlpha");
        QTest::addColumn<int>("nPhi");
        QTest::newRow("hole, 11 radial steps: no outer edge") << 405 << "0.0003"
                                                              << "0.00000"
                                                              << "0.00011" << 11 << 100;
        QTest::newRow("hole, defaults") << 405 << "0.0003"
                                        << "0.00000"
                                        << "0.00011" << 100 << 100;
        QTest::newRow("ring 40-120 um") << 500 << "0.0003"
                                        << "0.00004"
                                        << "0.00012" << 40 << 60;
        QTest::newRow("ring 20-90 um") << 600 << "0.0003"
                                       << "0.00002"
                                       << "0.00009" << 25 << 30;
        QTest::newRow("ring 30-100 um, wide screen") << 550 << "0.0004"
                                                     << "0.00003"
                                                     << "0.0001" << 18 << 23;
        QTest::newRow("ring 70-150 um") << 450 << "0.0003"
                                        << "0.00007"
                                        << "0.00015" << 33 << 41;
    }
    void profileAsTypedInExtendedPrecision() {
        QFETCH(int, nm);
        QFETCH(QString, screen);
        QFETCH(QString, inner);
        QFETCH(QString, outer);
        QFETCH(int, nAlpha);
        QFETCH(int, nPhi);
        Form10->CSpinEdit1->setValue(nm);
        Form10->Edit4->setText(screen);
        Form10->Edit6->setText(inner);
        Form10->Edit3->setText(outer);
        Form10->CSpinEdit2->setValue(nAlpha);
        Form10->CSpinEdit3->setValue(nPhi);
        compute();
        FresnelInputs in;
        in.wavelengthNm = nm;
        in.screenRadius = fresnelText(qPrintable(screen));
        in.innerRadius = fresnelText(qPrintable(inner));
        in.outerRadius = fresnelText(qPrintable(outer));
        in.radialSteps = nAlpha;
        in.azimuthSteps = nPhi;
        const std::string why = fresnelMismatch(Form10->Result, fresnelReference(in));
        QVERIFY2(why.empty(), why.c_str());
    }

    void ringsInTheLightsColour_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("nm");
        QTest::newRow("violet") << true << 405;
        QTest::newRow("600 nm") << true << 600;
        QTest::newRow("grey") << false << 405;
    }
    void ringsInTheLightsColour() {
        QFETCH(bool, colour);
        QFETCH(int, nm);
        Form10->CheckBox1->setChecked(colour);
        Form10->CSpinEdit1->setValue(nm);
        Form10->DrawResult();
        const Rgb light = colour ? wavelengthToRgb(nm) : Rgb{255, 255, 255};
        const FresnelProfile &p = Form10->Result;
        // Ring i's box ends at 200 + i exclusive and its 2-pixel pen lies
        // inside it, so the later ring i + 2 paints (200 + i, 200) last.
        for (int i = 3; i < 190; i += 7) {
            const QRgb got = rings(200 + i, 200);
            const bool ok = got == rgb(tint(p[i + 2], light));
            QVERIFY2(ok, qPrintable(QStringLiteral("ring %1: %2").arg(i).arg(got, 6, 16)));
        }
        QCOMPARE(rings(0, 0), 0u);
        QCOMPARE(rings(399, 399), 0u);
    }

    void outlinesReadAtDrawingTime_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("w");
        QTest::addColumn<QRgb>("ink");
        QTest::newRow("defaults, red") << false << "0.00011"
                                       << "0.0003" << 73 << kRed;
        QTest::newRow("changed after the run") << false << "0.00015"
                                               << "0.0003" << 100 << kRed;
        // 405 nm is (255, 0, 255); its complement green.
        QTest::newRow("complement in colour") << true << "0.00011"
                                              << "0.0003" << 73 << 0x00FF00u;
    }
    void outlinesReadAtDrawingTime() {
        QFETCH(bool, colour);
        QFETCH(QString, outer);
        QFETCH(QString, screen);
        QFETCH(int, w);
        const Rgb light = wavelengthToRgb(405);
        const QRgb ink =
            colour ? rgb({255 - light.red, 255 - light.green, 255 - light.blue}) : kRed;
        Form10->CheckBox1->setChecked(colour);
        Form10->CheckBox2->setChecked(true);
        Form10->Edit3->setText(outer);
        Form10->Edit4->setText(screen);
        Form10->DrawResult();
        // Graph: dotted red verticals at 200 -+ w.
        int left = 0, right = 0;
        for (int y = 0; y < 399; ++y) {
            left += graph(200 - w, y) == kRed;
            right += graph(200 + w, y) == kRed;
        }
        QVERIFY2(left > 150 && left < 250, qPrintable(QString::number(left)));
        QVERIFY2(right > 150 && right < 250, qPrintable(QString::number(right)));
        // Picture: a dotted circle of radius w, nothing of it elsewhere.
        int on = 0, off = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x) {
                if (rings(x, y) != ink) continue;
                const double r = std::hypot(x - 200, y - 200);
                (std::abs(r - w) <= 1.5 ? on : off) += 1;
            }
        QVERIFY2(on > 2 * w && on < 5 * w, qPrintable(QString::number(on)));
        QCOMPARE(off, 0);
    }

    void busyWhileComputing() {
        Form10->Button1->click();
        QVERIFY(Form10->isBusy());
        QVERIFY(!Form10->Panel2->isEnabled());
        QVERIFY(!Form10->ProgressBar1->isHidden());
        QVERIFY(waitIdle());
        QVERIFY(Form10->Panel2->isEnabled());
        QVERIFY(Form10->ProgressBar1->isHidden());
        QCOMPARE(*std::max_element(Form10->Result.begin(), Form10->Result.end()), 255);
    }

    void meaninglessInputsRefused_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("wavelength 0") << "CSpinEdit1"
                                      << "0";
        QTest::newRow("source in the opening") << "Edit1"
                                               << "0";
        QTest::newRow("screen behind the source") << "Edit2"
                                                  << "-0.05";
        QTest::newRow("screen radius 0") << "Edit4"
                                         << "0";
        QTest::newRow("screen radius no number") << "Edit4"
                                                 << "abc";
        QTest::newRow("radial subdivision 0") << "CSpinEdit2"
                                              << "0";
        QTest::newRow("tangential subdivision 0") << "CSpinEdit3"
                                                  << "0";
    }
    void meaninglessInputsRefused() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        const FresnelProfile before = Form10->Result;
        if (auto *s = Form10->findChild<TCSpinEdit *>(control))
            s->setText(text);
        else
            Form10->findChild<QLineEdit *>(control)->setText(text);
        Form10->Button1->click();
        QVERIFY(!Form10->isBusy());
        QVERIFY(messageBox() && messageBox()->isVisible());
        QVERIFY(Form10->Panel2->isEnabled());
        QVERIFY(Form10->Result == before);
        messageBox()->close();
        pumpFor(10);
    }

    void noLightIsBlack() {
        Form10->Edit6->setText(QStringLiteral("0.0002"));
        compute();
        QVERIFY(!messageBox());
        QVERIFY(std::all_of(Form10->Result.begin(), Form10->Result.end(),
                            [](int v) { return v == 0; }));
        QCOMPARE(rings(200 + 50, 200), 0u);
        for (int y = 0; y < 340; y += 5)
            QCOMPARE(graph(250, y), 0u);
    }

    void subdivisionsAboveTheMaximumAreHeld() {
        Form10->CSpinEdit2->setText(QStringLiteral("20000"));
        QCOMPARE(Form10->readInputs().radialSteps, kFresnelMaxSteps);
    }

    void closingMidRunKeepsTheResult() {
        Form10->Edit6->setText(QStringLiteral("0.0002"));
        compute();
        setDefaults();
        Form10->CSpinEdit2->setValue(1000);
        Form10->CSpinEdit3->setValue(1000);
        Form10->Button1->click();
        Form10->close();
        QVERIFY(Form10->isBusy());
        QVERIFY(waitIdle(60000));
        pumpFor(TDemoForm::kFadeMs + 100);
        QVERIFY(!Form10->isVisible());
        QCOMPARE(*std::max_element(Form10->Result.begin(), Form10->Result.end()), 255);
        Form10->Show();
        pumpFor(20);
        QVERIFY(rings(200 + 40, 200) != 0u);
    }
};

QTEST_MAIN(TestFresnelWindow)
#include "tst_fresnel_window.moc"
