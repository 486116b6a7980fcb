// The interference kernel against the extended-precision reference, the
// known intensities, the sample layout and the run's outcomes.
#include "waves/InterferenceReference.h"
#include "waves/interference/InterferenceKernel.h"
#include "waves/interference/InterferenceSources.h"

#include <QTest>
#include <bit>
#include <cmath>

Q_DECLARE_METATYPE(InterferenceInputs)

namespace {

std::vector<float> fast(const InterferenceInputs &in) {
    const InterferenceLayout l = interferenceLayout(in.ymax, in.step);
    std::vector<float> out(static_cast<std::size_t>(l.count()), 0.0f);
    computeInterferenceRows(in, l.samples(), out.data(), 1 - l.samples(), l.samples() - 1);
    return out;
}

InterferenceInputs inputs(double nm, double l, double ymax, double dy, double divisor,
                          std::vector<InterferenceSource> s) {
    InterferenceInputs in;
    in.wavelengthNm = nm;
    in.distance = l;
    in.ymax = ymax;
    in.step = dy;
    in.divisor = divisor;
    in.sources = std::move(s);
    return in;
}

const std::atomic<bool> kRun{false};

} // namespace

class TestInterferenceKernel : public QObject {
    Q_OBJECT
  private slots:
    void matchesReference_data() {
        QTest::addColumn<InterferenceInputs>("in");
        QTest::newRow("two sources, defaults")
            << inputs(5000, 1, 0.5, 1e-4, 1e6, {{-50, 255}, {50, 255}});
        std::vector<InterferenceSource> many;
        for (int j = 0; j < 50; ++j)
            many.push_back({j * 7 - 170, 1 + (j * 53) % 255});
        QTest::newRow("fifty sources") << inputs(5000, 1, 0.5, 1e-4, 1e6, many);
        QTest::newRow("visible light, far screen")
            << inputs(550, 3.7, 0.02, 3e-6, 1e6, {{0, 100}, {3, 200}, {-11, 30}});
        QTest::newRow("nanometre units, short distance")
            << inputs(400, 0.01, 0.001, 1e-6, 1e9, {{-900, 255}, {0, 1}, {450, 77}});
        QTest::newRow("metre units, long wave")
            << inputs(7.5e5, 20, 3, 0.01, 1, {{-1, 255}, {1, 255}, {2, 9}});
        QTest::newRow("millimetres, negative distance")
            << inputs(632.8, -2, 0.05, 1e-5, 1e3, {{-1, 128}, {1, 128}});
    }
    void matchesReference() {
        QFETCH(InterferenceInputs, in);
        const std::vector<float> ref = interferenceReference(in);
        const std::vector<float> got = fast(in);
        QCOMPARE(got.size(), ref.size());
        int identical = 0;
        for (std::size_t k = 0; k < ref.size(); ++k) {
            // Neighbouring floats of one sign have neighbouring bit patterns.
            const std::int64_t ulps = std::abs(std::int64_t(std::bit_cast<std::int32_t>(got[k])) -
                                               std::bit_cast<std::int32_t>(ref[k]));
            if (ulps > 1)
                QFAIL(qPrintable(
                    QStringLiteral("sample %1: %2 vs %3").arg(k).arg(got[k]).arg(ref[k])));
            identical += got[k] == ref[k];
        }
        QVERIFY(identical > int(ref.size() * 9 / 10));
    }

    void knownIntensities() {
        // One source straight ahead at L = 1: 255² / 2.
        std::vector<float> one = fast(inputs(5000, 1, 0.5, 1e-4, 1e6, {{0, 255}}));
        QCOMPARE(one[5000], 32512.5f);
        QCOMPARE(one[0], 0.0f); // never computed
        // Two sources at the same distance from y = 0 are in phase: four times one of them.
        const std::vector<float> single = fast(inputs(5000, 1, 0.5, 1e-4, 1e6, {{300, 255}}));
        const std::vector<float> pair =
            fast(inputs(5000, 1, 0.5, 1e-4, 1e6, {{-300, 255}, {300, 255}}));
        QVERIFY(std::abs(pair[5000] / single[5000] - 4.0f) < 1e-6f);
        // No sources: nothing anywhere.
        for (float v : fast(inputs(5000, 1, 0.5, 1e-4, 1e6, {})))
            QCOMPARE(v, 0.0f);
    }

    void layout_data() {
        QTest::addColumn<double>("ymax");
        QTest::addColumn<double>("dy");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<bool>("allocatable");
        QTest::newRow("defaults") << 0.5 << 1e-4 << 10000 << "40080" << true;
        QTest::newRow("range below step") << 1e-5 << 1e-4 << 0 << "80" << true;
        QTest::newRow("beyond the graph") << 1.0 << 1e-10 << 0 << "80000000080" << false;
        QTest::newRow("absurd") << 1e300 << 1e-300 << 0 << "8.000e+600" << false;
    }
    void layout() {
        QFETCH(double, ymax);
        QFETCH(double, dy);
        QFETCH(int, count);
        QFETCH(QString, bytes);
        QFETCH(bool, allocatable);
        const InterferenceLayout l = interferenceLayout(ymax, dy);
        QCOMPARE(l.allocatable, allocatable);
        if (allocatable) QCOMPARE(l.count(), count);
        QCOMPARE(QString::fromStdString(byteCountText(l.bytes)), bytes);
    }

    void outcomes_data() {
        QTest::addColumn<QString>("ymax");
        QTest::addColumn<QString>("dy");
        QTest::addColumn<QString>("nm");
        QTest::addColumn<int>("outcome");
        const int bad = int(InterferenceOutcome::InvalidNumber);
        QTest::newRow("result") << "0.5"
                                << "0.0001"
                                << "5000" << int(InterferenceOutcome::Result);
        QTest::newRow("text") << "abc"
                              << "0.0001"
                              << "5000" << bad;
        QTest::newRow("empty") << ""
                               << "0.0001"
                               << "5000" << bad;
        QTest::newRow("comma") << "0,5"
                               << "0.0001"
                               << "5000" << bad;
        QTest::newRow("step zero") << "0.5"
                                   << "0"
                                   << "5000" << bad;
        QTest::newRow("negative ymax") << "-0.5"
                                       << "0.0001"
                                       << "5000" << bad;
        QTest::newRow("wavelength zero") << "0.5"
                                         << "0.0001"
                                         << "0" << bad;
        QTest::newRow("huge count") << "1e300"
                                    << "1e-300"
                                    << "5000" << int(InterferenceOutcome::NoMemory);
    }
    void outcomes() {
        QFETCH(QString, ymax);
        QFETCH(QString, dy);
        QFETCH(QString, nm);
        QFETCH(int, outcome);
        InterferenceRequest r;
        r.ymax = ymax.toStdString();
        r.step = dy.toStdString();
        r.wavelength = nm.toStdString();
        const int before = MappedSamples::liveCount();
        {
            InterferenceRun run = runInterference(r, nullptr, kRun);
            QCOMPARE(int(run.outcome), outcome);
            QCOMPARE(bool(run.buffer), outcome == int(InterferenceOutcome::Result));
        }
        QCOMPARE(MappedSamples::liveCount(), before);
    }

    void progressAtMostHundredTimesOnTheCallingThread() {
        InterferenceRequest r;
        r.step = "0.000002";
        for (int j = 0; j < 20; ++j)
            r.sources.push_back({j, 255});
        std::vector<int> seen;
        const std::thread::id me = std::this_thread::get_id();
        bool sameThread = true;
        InterferenceRun run = runInterference(
            r,
            [&](int p) {
                seen.push_back(p);
                sameThread = sameThread && std::this_thread::get_id() == me;
            },
            kRun);
        QCOMPARE(int(run.outcome), int(InterferenceOutcome::Result));
        QVERIFY(sameThread);
        QVERIFY(!seen.empty() && seen.size() <= 100);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.back(), 99);
        // The threaded run gives the same samples as the plain rows.
        const std::vector<float> plain = fast(*readInterferenceInputs(r));
        QVERIFY(std::equal(plain.begin(), plain.end(), run.buffer.data()));
        QCOMPARE(run.buffer.data()[0], 0.0f);
    }

    void cancelledRunKeepsNothing() {
        InterferenceRequest r;
        r.step = "0.000001";
        r.sources.push_back({0, 255});
        std::atomic<bool> cancel{true};
        const int before = MappedSamples::liveCount();
        InterferenceRun run = runInterference(r, nullptr, cancel);
        QCOMPARE(int(run.outcome), int(InterferenceOutcome::Cancelled));
        QCOMPARE(MappedSamples::liveCount(), before);
    }

    void sourceList() {
        SourceList s;
        s.add(3, -2, 100); // either order
        QCOMPARE(int(s.items().size()), 6);
        s.add(0, 5, 7); // repaints 0..3, appends 4, 5
        QCOMPARE(int(s.items().size()), 8);
        QCOMPARE(s.brightnessAt(-2), 100);
        QCOMPARE(s.brightnessAt(2), 7);
        QCOMPARE(s.items().back().position, 5);
        s.add(-1, 1, 0); // brightness 0 removes
        QCOMPARE(s.brightnessAt(0), 0);
        QCOMPARE(int(s.items().size()), 5);
        s.remove(4, 100);
        QCOMPARE(int(s.items().size()), 3);
    }
};

QTEST_GUILESS_MAIN(TestInterferenceKernel)
#include "tst_interference_kernel.moc"
