// The Fraunhofer kernel against the straightforward float computation, the
// shape of the default picture and the inputs that have no picture.
#include "waves/FraunhoferReference.h"
#include "waves/fraunhofer/Fraunhofer.h"

#include <QTest>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(FraunhoferInputs)
Q_DECLARE_METATYPE(FraunhoferProblem)

namespace {

FraunhoferInputs inputs(int nm, float L, float a, float b, float S) {
    return {nm, L, a, b, S};
}

FraunhoferPicture fast(const FraunhoferInputs &in) {
    RunControl control;
    return computeFraunhofer(in, control);
}

bool allBlack(const FraunhoferPicture &p) {
    return std::all_of(p.value.begin(), p.value.end(), [](std::int32_t v) { return v == 0; });
}

} // namespace

class TestFraunhoferKernel : public QObject {
    Q_OBJECT
  private slots:
    void matchesReference_data() {
        QTest::addColumn<FraunhoferInputs>("in");
        QTest::newRow("defaults") << FraunhoferInputs{};
        QTest::newRow("small opening") << inputs(600, 2000, 0.01f, 0.015f, 0.5f);
        QTest::newRow("wide low opening") << inputs(550, 2000, 0.2f, 0.05f, 0.5f);
        QTest::newRow("violet, near screen") << inputs(400, 500, 0.1f, 0.1f, 0.5f);
        QTest::newRow("red, far screen") << inputs(750, 10000, 0.07f, 0.12f, 0.5f);
        QTest::newRow("odd spans, large screen") << inputs(480, 3000, 0.33f, 0.21f, 2.0f);
        QTest::newRow("one pixel opening") << inputs(600, 2000, 0.0025f, 0.0025f, 0.5f);
        QTest::newRow("long wave, fringes wider than the box")
            << inputs(5000, 2000, 0.02f, 0.03f, 0.5f);
    }
    void matchesReference() {
        QFETCH(FraunhoferInputs, in);
        const FraunhoferPicture ref = fraunhoferReference(in);
        const FraunhoferPicture got = fast(in);
        int differ = 0, worst = 0;
        for (std::size_t i = 0; i < ref.value.size(); ++i) {
            const int d = std::abs(got.value[i] - ref.value[i]);
            differ += d != 0;
            worst = std::max(worst, d);
        }
        qInfo("%d of %d pixels differ", differ, int(ref.value.size()));
        QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
        // Fewer than 0.01 % of the pixels.
        QVERIFY2(differ * 10000 < int(ref.value.size()), qPrintable(QString::number(differ)));
        QVERIFY(!allBlack(got));
    }

    void halfSpans_data() {
        QTest::addColumn<float>("size");
        QTest::addColumn<float>("screen");
        QTest::addColumn<int>("span");
        QTest::newRow("defaults") << 0.1f << 0.5f << 40;
        QTest::newRow("truncated") << 0.0999f << 0.5f << 39;
        QTest::newRow("below a pixel") << 0.002f << 0.5f << 0;
        QTest::newRow("negative") << -0.1f << 0.5f << -1;
        QTest::newRow("beyond the screen") << 1e30f << 0.5f << 400;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0.5f << 0;
    }
    void halfSpans() {
        QFETCH(float, size);
        QFETCH(float, screen);
        QFETCH(int, span);
        QCOMPARE(fraunhoferHalfSpan(size, screen), span);
    }

    void problems_data() {
        QTest::addColumn<FraunhoferInputs>("in");
        QTest::addColumn<FraunhoferProblem>("problem");
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("defaults") << FraunhoferInputs{} << FraunhoferProblem::None;
        QTest::newRow("wavelength 0")
            << inputs(0, 2000, 0.1f, 0.1f, 0.5f) << FraunhoferProblem::Wavelength;
        QTest::newRow("negative wavelength")
            << inputs(-10, 2000, 0.1f, 0.1f, 0.5f) << FraunhoferProblem::Wavelength;
        QTest::newRow("distance 0")
            << inputs(600, 0, 0.1f, 0.1f, 0.5f) << FraunhoferProblem::Distance;
        QTest::newRow("infinite distance")
            << inputs(600, inf, 0.1f, 0.1f, 0.5f) << FraunhoferProblem::Distance;
        QTest::newRow("screen 0") << inputs(600, 2000, 0.1f, 0.1f, 0) << FraunhoferProblem::Screen;
        QTest::newRow("negative screen")
            << inputs(600, 2000, 0.1f, 0.1f, -1) << FraunhoferProblem::Screen;
    }
    void problems() {
        QFETCH(FraunhoferInputs, in);
        QFETCH(FraunhoferProblem, problem);
        QCOMPARE(checkFraunhofer(in), problem);
        // Whatever comes in, the kernel gives levels 0..255 and black when refused.
        const FraunhoferPicture p = fast(in);
        QVERIFY(std::all_of(p.value.begin(), p.value.end(),
                            [](std::int32_t v) { return v >= 0 && v <= 255; }));
        QCOMPARE(allBlack(p), problem != FraunhoferProblem::None);
    }

    void blackWithoutAnOpening_data() {
        QTest::addColumn<FraunhoferInputs>("in");
        QTest::newRow("narrower than a pixel") << inputs(600, 2000, 0.002f, 0.1f, 0.5f);
        QTest::newRow("lower than a pixel") << inputs(600, 2000, 0.1f, 0.002f, 0.5f);
        QTest::newRow("negative width") << inputs(600, 2000, -0.1f, 0.1f, 0.5f);
        QTest::newRow("infinite width")
            << inputs(600, 2000, std::numeric_limits<float>::infinity(), 0.1f, 0.5f);
    }
    void blackWithoutAnOpening() {
        QFETCH(FraunhoferInputs, in);
        QVERIFY(allBlack(fast(in)));
    }

    void wholeScreenBoxIsEven() {
        // An opening larger than the screen spreads every value everywhere.
        const FraunhoferPicture p = fast(inputs(600, 2000, 5, 5, 0.5f));
        QVERIFY(
            std::all_of(p.value.begin(), p.value.end(), [](std::int32_t v) { return v == 255; }));
    }

    void cancelledRunStops() {
        RunControl control;
        control.cancel();
        const FraunhoferPicture p = computeFraunhofer(FraunhoferInputs{}, control);
        QVERIFY(allBlack(p));
    }
};

QTEST_GUILESS_MAIN(TestFraunhoferKernel)
#include "tst_fraunhofer_kernel.moc"
