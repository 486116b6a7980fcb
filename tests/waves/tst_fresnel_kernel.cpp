// The Fresnel kernel against the straightforward sum, the mended peak, the
// round hole and the ring, and the inputs that have no picture.
#include "waves/FresnelReference.h"
#include "waves/fresnel/Fresnel.h"
#include "waves/fresnel/FresnelElements.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <limits>
#include <thread>

Q_DECLARE_METATYPE(FresnelInputs)
Q_DECLARE_METATYPE(FresnelProblem)

namespace {

FresnelInputs inputs(int nm, long double z1, long double z2, long double rIn, long double rOut,
                     long double R, int nAlpha, int nPhi, long double K = 100) {
    return {nm, z1, z2, rIn, rOut, R, nAlpha, nPhi, K};
}

FresnelProfile fast(const FresnelInputs &in) {
    RunControl control;
    return computeFresnel(in, control);
}

// The plan's elements at entry k one by one in extended precision, each
// rounded as the plain sum rounds it; `largest` gets the largest A.
void straightSums(const FresnelInputs &in, const FresnelPlan &plan, int k, long double &C,
                  long double &S, long double &largest) {
    using LD = long double;
    const LD pi = 3.141592653589793L, lambda = in.wavelengthNm * 1e-9L, r = plan.entryR[k];
    const LD Q = (in.z1 + in.z2) * (in.z1 + in.z2) + r * r, rho = plan.rho;
    C = S = largest = 0;
    for (std::size_t i = 0; i < plan.ringS.size(); ++i) {
        const LD s = plan.ringS[i], h = plan.ringH[i];
        for (std::size_t j = 0; j < plan.weight.size(); ++j) {
            const LD d2 = s * s + h * h + r * r - 2 * r * s * plan.sinPhi[j];
            const LD d = std::sqrt(d2);
            const LD c = (rho * rho + d2 - Q) / (2 * rho * d);
            if (c >= 0 || plan.weight[j] == 0) continue;
            const float chi = static_cast<float>(pi - std::acos(std::max(c, -1.0L)));
            const float psi = static_cast<float>(2 * pi * std::fmod(d, lambda) / lambda);
            const float A = static_cast<float>(s / std::exp(static_cast<double>(in.K * chi)));
            C += plan.weight[j] * A * std::cos(static_cast<double>(psi));
            S += plan.weight[j] * A * std::sin(static_cast<double>(psi));
            largest = std::max(largest, static_cast<LD>(std::fabs(A)));
        }
    }
}

QString show(const FresnelProfile &p) {
    QStringList l;
    for (int v : p)
        l << QString::number(v);
    return l.join(' ');
}

} // namespace

class TestFresnelKernel : public QObject {
    Q_OBJECT
  private slots:
    void matchesReference_data() {
        QTest::addColumn<FresnelInputs>("in");
        QTest::newRow("defaults") << FresnelInputs{};
        QTest::newRow("ring") << inputs(405, 0.01L, 0.01L, 0.00005L, 0.00011L, 0.0003L, 100, 100);
        QTest::newRow("small hole, red") << inputs(700, 0.01L, 0.01L, 0, 0.00003L, 0.0003L, 37, 51);
        QTest::newRow("large hole, odd steps")
            << inputs(550, 0.01L, 0.02L, 0, 0.0003L, 0.0005L, 81, 63);
        QTest::newRow("far screen") << inputs(500, 0.05L, 0.3L, 0, 0.0002L, 0.002L, 60, 45);
        QTest::newRow("near screen, green")
            << inputs(530, 0.02L, 0.005L, 0.00002L, 0.00015L, 0.0002L, 50, 77);
        QTest::newRow("weak obliquity")
            << inputs(620, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 40, 40, 3);
        // Rings whose distance varies too much round them for the series.
        QTest::newRow("screen just behind the opening")
            << inputs(500, 0.01L, 0.0004L, 0.0001L, 0.0004L, 0.0006L, 30, 40);
        // Wide angles: the arc sine's fit, and every length of series.
        QTest::newRow("wide opening near the source")
            << inputs(450, 0.0005L, 0.002L, 0, 0.0004L, 0.0003L, 40, 30);
        // An exponential that may leave the range the series loops assume.
        QTest::newRow("negative obliquity")
            << inputs(405, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 40, 40, -2);
        QTest::newRow("very strong obliquity")
            << inputs(405, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 40, 40, 20000);
        // Millions of turns to the screen: their fraction must survive.
        QTest::newRow("far source and screen")
            << inputs(650, 0.5L, 0.5L, 0, 0.0012L, 0.004L, 40, 40);
    }
    void matchesReference() {
        QFETCH(FresnelInputs, in);
        const std::string why = fresnelMismatch(fast(in), fresnelReference(in));
        QVERIFY2(why.empty(), why.c_str());
    }

    void elementSumsMatchTheStraightSum_data() {
        // Levels hide small errors; the sums of one entry show them. The
        // limit, a millionth of the largest element, lets a few elements
        // round chi, psi or A the other way, and nothing more.
        QTest::addColumn<FresnelInputs>("in");
        QTest::addColumn<int>("entry");
        const FresnelInputs fine = inputs(405, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 300, 300);
        QTest::newRow("axis") << fine << 0;
        QTest::newRow("mid screen") << fine << 90;
        QTest::newRow("screen edge") << fine << 199;
        QTest::newRow("ring, coarse")
            << inputs(405, 0.01L, 0.01L, 0.00005L, 0.00011L, 0.0003L, 20, 30) << 120;
        QTest::newRow("wide opening near the source")
            << inputs(450, 0.0005L, 0.002L, 0, 0.0004L, 0.0003L, 120, 90) << 150;
        QTest::newRow("screen just behind the opening")
            << inputs(500, 0.01L, 0.0004L, 0.0001L, 0.0004L, 0.0006L, 60, 80) << 100;
        QTest::newRow("negative obliquity")
            << inputs(405, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 100, 100, -2) << 50;
        QTest::newRow("far source and screen")
            << inputs(650, 0.5L, 0.5L, 0, 0.0012L, 0.004L, 200, 200) << 70;
    }
    void elementSumsMatchTheStraightSum() {
        QFETCH(FresnelInputs, in);
        QFETCH(int, entry);
        const FresnelPlan plan = makeFresnelPlan(in);
        double C = 0, S = 0;
        sumFresnelElements(plan, entry, 0, static_cast<int>(plan.ringS.size()), C, S);
        long double wantC, wantS, largest;
        straightSums(in, plan, entry, wantC, wantS, largest);
        QVERIFY(largest > 0);
        const double offC = static_cast<double>(std::fabs(C - wantC) / largest);
        const double offS = static_cast<double>(std::fabs(S - wantS) / largest);
        QVERIFY2(offC < 1e-6 && offS < 1e-6,
                 qPrintable(QString("off by %1 and %2 of the largest A").arg(offC).arg(offS)));
    }

    void brightestIs255_data() {
        QTest::addColumn<FresnelInputs>("in");
        QTest::newRow("defaults") << FresnelInputs{};
        QTest::newRow("ring") << inputs(405, 0.01L, 0.01L, 0.00005L, 0.00011L, 0.0003L, 100, 100);
        QTest::newRow("fine steps") << inputs(600, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 300, 250);
        QTest::newRow("coarse steps") << inputs(450, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 1, 1);
    }
    void brightestIs255() {
        QFETCH(FresnelInputs, in);
        const FresnelProfile p = fast(in);
        QCOMPARE(*std::max_element(p.begin(), p.end()), 255);
        QVERIFY(*std::min_element(p.begin(), p.end()) >= 0);
    }

    void centreFollowsFresnelZones_data() {
        // Zones seen from the centre: m = r² (1/z1 + 1/z2) / lambda; an odd
        // count leaves the centre bright, an even one dark. Without the
        // obliquity damping (K = 0) the zones cancel pairwise.
        QTest::addColumn<long double>("innerRadius");
        QTest::addColumn<long double>("outerRadius");
        QTest::addColumn<bool>("bright");
        const long double zone = std::sqrt(405e-9L / 200); // radius of the first zone
        QTest::newRow("hole of one zone") << 0.0L << zone << true;
        QTest::newRow("hole of two zones") << 0.0L << zone * std::sqrt(2.0L) << false;
        QTest::newRow("hole of five zones") << 0.0L << zone * std::sqrt(5.0L) << true;
        QTest::newRow("hole of six zones, the default radius") << 0.0L << 0.00011L << false;
        QTest::newRow("six zones less the first") << zone << 0.00011L << true;
    }
    void centreFollowsFresnelZones() {
        QFETCH(long double, innerRadius);
        QFETCH(long double, outerRadius);
        QFETCH(bool, bright);
        FresnelInputs in;
        in.innerRadius = innerRadius;
        in.outerRadius = outerRadius;
        in.radialSteps = 200;
        in.K = 0;
        const FresnelProfile p = fast(in);
        if (bright)
            QVERIFY2(p[0] > 180, qPrintable(show(p)));
        else
            QVERIFY2(p[0] < 100, qPrintable(show(p)));
    }

    void ringDiffersFromHole() {
        // Covering the first zone of the six-zone hole turns its dark centre
        // bright, and changes the rings all over the screen.
        FresnelInputs hole;
        hole.K = 0;
        FresnelInputs ring = hole;
        ring.innerRadius = std::sqrt(405e-9L / 200);
        const FresnelProfile h = fast(hole), r = fast(ring);
        QVERIFY(r[0] > h[0] + 100);
        int differ = 0;
        for (int k = 0; k < kFresnelEntries; ++k)
            differ += r[k] != h[k];
        QVERIFY(differ > kFresnelEntries / 2);
    }

    void blackWithoutLight_data() {
        QTest::addColumn<FresnelInputs>("in");
        QTest::newRow("inner radius beyond the outer")
            << inputs(405, 0.01L, 0.01L, 0.0002L, 0.0001L, 0.0003L, 100, 100);
        QTest::newRow("ring of no width")
            << inputs(405, 0.01L, 0.01L, 0.0001L, 0.0001L, 0.0003L, 100, 100);
        QTest::newRow("no opening") << inputs(405, 0.01L, 0.01L, 0, 0, 0.0003L, 100, 100);
        QTest::newRow("obliquity kills everything")
            << inputs(405, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 100, 100, 1e9L);
        QTest::newRow("infinite obliquity")
            << inputs(405, 0.01L, 0.01L, 0, 0.00011L, 0.0003L, 10, 10,
                      std::numeric_limits<long double>::infinity());
    }
    void blackWithoutLight() {
        QFETCH(FresnelInputs, in);
        QCOMPARE(checkFresnel(in), FresnelProblem::None);
        const FresnelProfile p = fast(in);
        QVERIFY2(std::all_of(p.begin(), p.end(), [](int v) { return v == 0; }),
                 qPrintable(show(p)));
    }

    void problems_data() {
        QTest::addColumn<FresnelInputs>("in");
        QTest::addColumn<FresnelProblem>("problem");
        const long double inf = std::numeric_limits<long double>::infinity();
        QTest::newRow("defaults") << FresnelInputs{} << FresnelProblem::None;
        QTest::newRow("wavelength 0")
            << inputs(0, 0.01L, 0.01L, 0, 1e-4L, 3e-4L, 100, 100) << FresnelProblem::Wavelength;
        QTest::newRow("source in the opening")
            << inputs(405, 0, 0.01L, 0, 1e-4L, 3e-4L, 100, 100) << FresnelProblem::SourceDistance;
        QTest::newRow("screen behind the source")
            << inputs(405, 0.01L, -0.02L, 0, 1e-4L, 3e-4L, 100, 100)
            << FresnelProblem::ScreenDistance;
        QTest::newRow("infinite distance")
            << inputs(405, 0.01L, inf, 0, 1e-4L, 3e-4L, 100, 100) << FresnelProblem::ScreenDistance;
        QTest::newRow("screen radius 0")
            << inputs(405, 0.01L, 0.01L, 0, 1e-4L, 0, 100, 100) << FresnelProblem::ScreenRadius;
        QTest::newRow("radial subdivision 0")
            << inputs(405, 0.01L, 0.01L, 0, 1e-4L, 3e-4L, 0, 100) << FresnelProblem::Steps;
        QTest::newRow("tangential subdivision 0")
            << inputs(405, 0.01L, 0.01L, 0, 1e-4L, 3e-4L, 100, 0) << FresnelProblem::Steps;
        QTest::newRow("negative subdivision")
            << inputs(405, 0.01L, 0.01L, 0, 1e-4L, 3e-4L, -5, 100) << FresnelProblem::Steps;
    }
    void problems() {
        QFETCH(FresnelInputs, in);
        QFETCH(FresnelProblem, problem);
        QCOMPARE(checkFresnel(in), problem);
        if (problem != FresnelProblem::None) {
            const FresnelProfile p = fast(in);
            QVERIFY(std::all_of(p.begin(), p.end(), [](int v) { return v == 0; }));
        }
    }

    void progressRisesToTheEnd() {
        std::vector<int> seen;
        RunControl control([&seen](int p) { seen.push_back(p); });
        FresnelInputs in;
        in.radialSteps = 400;
        in.azimuthSteps = 400;
        computeFresnel(in, control);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QVERIFY2(seen.size() > 50, qPrintable(QString::number(seen.size())));
        QCOMPARE(seen.back(), 100);
    }

    void cancelStopsInsideAnEntry() {
        // At the largest subdivisions one screen entry is 10^8 elements;
        // a cancel must not wait for the entry to end.
        FresnelInputs in;
        in.radialSteps = kFresnelMaxSteps;
        in.azimuthSteps = kFresnelMaxSteps;
        RunControl control;
        QElapsedTimer t;
        std::thread canceller([&control] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            control.cancel();
        });
        t.start();
        const FresnelProfile p = computeFresnel(in, control);
        const qint64 ms = t.elapsed();
        canceller.join();
        QVERIFY2(ms < 1500, qPrintable(QString::number(ms)));
        QVERIFY(std::all_of(p.begin(), p.end(), [](int v) { return v == 0; }));
    }
};

QTEST_GUILESS_MAIN(TestFresnelKernel)
#include "tst_fresnel_kernel.moc"
