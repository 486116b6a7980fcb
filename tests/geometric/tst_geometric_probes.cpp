// The readouts at the pointer of the geometric-optics pictures, against
// values worked out by hand at chosen pixels.
#include "geometric/focal/FocalPicture.h"
#include "geometric/focal/Unit6.h"
#include "geometric/huygens/HuygensPicture.h"
#include "geometric/huygens/Unit15.h"
#include "geometric/lens/AxisProbe.h"
#include "geometric/lens/LensPicture.h"
#include "geometric/lens/Unit3.h"
#include "geometric/mirror/MirrorPicture.h"
#include "geometric/mirror/PlaneMirror.h"
#include "geometric/mirror/Unit5.h"
#include "geometric/prism/PrismPicture.h"
#include "geometric/prism/Unit4.h"
#include "geometric/refraction/NormalProbe.h"
#include "geometric/refraction/RefractionPicture.h"
#include "geometric/refraction/Unit2.h"

#include <QTest>

class TestGeometricProbes : public QObject {
    Q_OBJECT
  private slots:
    void axis_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<double>("perUnit");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("height");
        // Lens plane and axis cross at (295, 117).
        QTest::newRow("behind, above, cm") << QPoint(395, 97) << 10.0 << 10.0 << 2.0;
        QTest::newRow("in front, below, cm") << QPoint(240, 152) << 10.0 << -5.5 << -3.5;
        QTest::newRow("pixels") << QPoint(150, 200) << 1.0 << -145.0 << -83.0;
    }
    void axis() {
        QFETCH(QPoint, pixel);
        QFETCH(double, perUnit);
        const AxisReading r = axisReading(pixel.x(), pixel.y(), 295, 117, perUnit);
        QTEST(r.distance, "distance");
        QTEST(r.height, "height");
    }

    void normal_data() {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QPointF>("normal");
        QTest::addColumn<double>("angle");
        QTest::newRow("along the normal") << QPointF(0, -50) << QPointF(0, 1) << 0.0;
        QTest::newRow("45 below") << QPointF(100, 100) << QPointF(0, 1) << 45.0;
        QTest::newRow("on the surface") << QPointF(50, 0) << QPointF(0, 1) << 90.0;
        QTest::newRow("30 above") << QPointF(1, -std::sqrt(3.0)) << QPointF(0, 1) << 30.0;
        QTest::newRow("along a 60-degree face")
            << QPointF(-1, std::sqrt(3.0)) << QPointF(std::sqrt(3.0), 1) << 90.0;
        QTest::newRow("the point itself") << QPointF(0, 0) << QPointF(0, 1) << 0.0;
    }
    void normal() {
        QFETCH(QPointF, pointer);
        QFETCH(QPointF, normal);
        QFETCH(double, angle);
        QCOMPARE(angleFromNormal(pointer.x() + 7, pointer.y() + 3, 7, 3, normal.x(), normal.y()) +
                     1,
                 angle + 1);
    }

    void mirror() {
        QCOMPARE(planemirror::mirrorX(542), 271);
        const planemirror::Point image = planemirror::imageOf(542, 300, 100);
        QCOMPARE(image.x, 242);
        QCOMPARE(image.y, 100);
    }

    // The providers read the windows' own numbers.
    void providers() {
        TForm2 refraction;
        const RefractionParams rp = refraction.readParams();
        TRefractionPicture r(&refraction);
        QCOMPARE(r.readoutAt(QPoint(rp.imageWidth / 2 + 60, rp.imageHeight / 2 + 60)),
                 QStringList({QStringLiteral("угол с нормалью: 45.0°"),
                              QStringLiteral("среда 2, n = %1").arg(rp.n2)}));
        TForm5 mirror;
        TMirrorPicture m(&mirror);
        const int a = mirror.readParams().width / 2;
        QCOMPARE(m.readoutAt(QPoint(a + 30, 100)),
                 QStringList({QStringLiteral("точка: x = 30, y = 100 пикс."),
                              QStringLiteral("изображение: x = -30, y = 100 пикс.")}));
        TForm3 lens;
        const LensParams lp = lens.readParams();
        TLensPicture l(&lens);
        QCOMPARE(
            l.readoutAt(QPoint(lp.panelWidth / 2 - 125, lp.panelHeight / 2 - 30)),
            QStringList({QStringLiteral("от линзы: -12.5 см"), QStringLiteral("высота: 3.0 см")}));
        TForm6 focal;
        const FocalParams fp = focal.readParams();
        TFocalPicture f(&focal);
        QCOMPARE(f.readoutAt(QPoint(fp.imageWidth / 2 + 100, fp.imageHeight / 2)),
                 QStringList({QStringLiteral("от линзы: 100 пикс."),
                              QStringLiteral("высота: 0 пикс."), QStringLiteral("F = 100 пикс.")}));
        TForm15 huygensForm;
        const huygens::Setup st = huygens::makeSetup(huygensForm.readInputs());
        THuygensPicture h(&huygensForm);
        QCOMPARE(h.readoutAt(QPoint(50, st.yTop + 40)),
                 QStringList({QStringLiteral("глубина в пластинке: 40 из 200 пикс.")}));
        QCOMPARE(h.readoutAt(QPoint(50, st.yTop - 5)),
                 QStringList({QStringLiteral("над пластинкой: 5 пикс.")}));
        QCOMPARE(h.readoutAt(QPoint(50, st.yBot + 1)),
                 QStringList({QStringLiteral("под пластинкой: 1 пикс.")}));
        TForm4 prismForm;
        prismForm.DrawScene();
        TPrismPicture pr(&prismForm);
        const prism::Point entry = prismForm.lastTrace().entry;
        QCOMPARE(pr.readoutAt(QPoint(entry.x, entry.y)),
                 QStringList({QStringLiteral("у первой грани: 0.0° от нормали")}));
    }
};

QTEST_MAIN(TestGeometricProbes)
#include "tst_geometric_probes.moc"
