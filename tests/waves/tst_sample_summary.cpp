// Block sums of the interference result: any run of samples sums the same
// as adding it up, and the graph's wide columns come out as before.
#include "waves/interference/InterferencePlot.h"
#include "waves/interference/SampleSummary.h"

#include <QTest>
#include <random>
#include <vector>

namespace {
double directSum(const std::vector<float> &s, long long first, long long length) {
    double t = 0;
    for (long long k = first; k < first + length; ++k)
        t += s[std::size_t(k)];
    return t;
}
} // namespace

class TestSampleSummary : public QObject {
    Q_OBJECT
  private slots:
    void anyRunSumsAsAddedUp() {
        std::mt19937 rng(7);
        std::uniform_real_distribution<float> value(0, 1000);
        std::vector<float> s(100'003);
        for (float &x : s)
            x = value(rng);
        const std::atomic<bool> no{false};
        const SampleSummary sum = SampleSummary::build(s.data(), long(s.size()), no);
        QVERIFY(!sum.empty());
        std::uniform_int_distribution<long> pick(0, long(s.size()) - 1);
        for (int i = 0; i < 2000; ++i) {
            long a = pick(rng), b = pick(rng);
            if (a > b) std::swap(a, b);
            const double want = directSum(s, a, b - a + 1);
            QVERIFY(qAbs(sum.sum(s.data(), a, b - a + 1) - want) <= 1e-9 * want + 1e-6);
        }
        // Whole, empty and the unaligned tail past the last block.
        QCOMPARE(sum.sum(s.data(), 0, long(s.size())), directSum(s, 0, long(s.size())));
        QCOMPARE(sum.sum(s.data(), 500, 0), 0.0);
        QCOMPARE(sum.sum(s.data(), 99'990, 13), directSum(s, 99'990, 13));
    }

    void smallOrCancelledResultsHaveNoSummary() {
        std::vector<float> s(300, 1.0f);
        const std::atomic<bool> no{false}, yes{true};
        QVERIFY(SampleSummary::build(s.data(), long(s.size()), no).empty());
        std::vector<float> big(1 << 20, 1.0f);
        QVERIFY(SampleSummary::build(big.data(), long(big.size()), yes).empty());
        QVERIFY(SampleSummary::build(nullptr, 1 << 20, no).empty());
    }

    void wideColumnsDrawAsBefore() {
        // A million samples on 200 columns, zoomed out: every column averages
        // about 5000 samples, through the block sums; the curve must match the
        // one drawn by adding every sample up.
        std::vector<float> s(1'000'000);
        for (std::size_t k = 0; k < s.size(); ++k)
            s[k] = 50.0f + 40.0f * std::sin(float(k) * 1e-5f);
        const std::atomic<bool> no{false};
        const SampleSummary sum = SampleSummary::build(s.data(), long(s.size()), no);
        GraphView v;
        v.samples = s.data();
        v.count = int(s.size());
        v.verticalScale = 1;
        v.width = 200;
        v.height = 120;
        v.barHeight = 10;
        QImage direct(200, 120, QImage::Format_RGB32), summed = direct;
        drawInterferenceGraph(direct, v, direct.rect());
        v.summary = &sum;
        drawInterferenceGraph(summed, v, summed.rect());
        int differ = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 200; ++x)
                differ += direct.pixel(x, y) != summed.pixel(x, y);
        QVERIFY2(differ <= 4, qPrintable(QString::number(differ)));
        // And the curve is there at all: white pixels in the middle column.
        int white = 0;
        for (int y = 0; y < 120; ++y)
            white += summed.pixel(100, y) == qRgb(255, 255, 255);
        QVERIFY(white > 0);
    }
};

QTEST_MAIN(TestSampleSummary)
#include "tst_sample_summary.moc"
