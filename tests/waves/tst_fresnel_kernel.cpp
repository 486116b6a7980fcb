// The Fresnel kernel against the straightforward sum, the mended peak, the
// round hole and the ring, and the inputs that have no picture.
#include "waves/FresnelReference.h"
#include "waves/fresnel/Fresnel.h"

#include <QTest>
#include <algorithm>
#include <limits>

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
    }
    void matchesReference() {
        QFETCH(FresnelInputs, in);
        const FresnelProfile ref = fresnelReference(in);
        const FresnelProfile got = fast(in);
        const auto peak = std::max_element(ref.begin(), ref.end()) - ref.begin();
        for (int k = 0; k < kFresnelEntries; ++k) {
            // The brightest entry is 255 by construction; the plain sum may
            // truncate it to 254.
            if (k == peak) {
                QCOMPARE(got[k], 255);
                QVERIFY(ref[k] >= 254);
                continue;
            }
            if (got[k] != ref[k])
                QFAIL(qPrintable(QStringLiteral("entry %1: %2 vs %3\n%4\n%5")
                                     .arg(k)
                                     .arg(got[k])
                                     .arg(ref[k])
                                     .arg(show(got), show(ref))));
        }
    }
};

QTEST_GUILESS_MAIN(TestFresnelKernel)
#include "tst_fresnel_kernel.moc"
