// The readouts and the data of the polarisation pictures, against values
// worked out by hand.
#include "polarisation/anisotropic/WaveProbe.h"
#include "polarisation/brewster/BrewsterProbe.h"
#include "polarisation/malus/MalusPicture.h"
#include "polarisation/malus/MalusProbe.h"
#include "polarisation/malus/Unit16.h"

#include <QTest>

class TestPolarisationProbes : public QObject {
    Q_OBJECT
  private slots:
    void malus_data() {
        QTest::addColumn<double>("theta");
        QTest::addColumn<double>("share");
        QTest::newRow("parallel") << 0.0 << 1.0;
        QTest::newRow("60: a quarter") << 60.0 << 0.25;
        QTest::newRow("45: a half") << 45.0 << 0.5;
        QTest::newRow("crossed") << 90.0 << 0.0;
        QTest::newRow("180") << 180.0 << 1.0;
    }
    void malus() {
        QFETCH(double, theta);
        QFETCH(double, share);
        QCOMPARE(malus::transmittedShare(theta) + 1, share + 1);
        const std::vector<malus::CurveRow> rows = malus::malusCurve();
        QCOMPARE(int(rows.size()), 361);
        const malus::CurveRow &r = rows[std::size_t(theta)];
        QCOMPARE(r.share + 1, share + 1);
        QCOMPARE(r.intensity + 1, share / 2 + 1);
    }

    void malusProvider() {
        TForm16 form;
        TMalusPicture p(&form);
        QCOMPARE(p.readoutAt(QPoint(5, 5)),
                 QStringList({QStringLiteral("θ = 0°: поляроиды 0.0° и 0.0°"),
                              QStringLiteral("проходит 1.000 света между поляроидами"),
                              QStringLiteral("I = 0.500 от падающего")}));
        const QStringList lines = p.dataCsv().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines[0],
                 QStringLiteral("θ (°),доля между поляроидами,I за вторым (доля падающего)"));
        const QStringList row = lines[1 + 60].split(',');
        QCOMPARE(row[0], QStringLiteral("60"));
        QCOMPARE(row[1].toDouble(), 0.25);
        QCOMPARE(row[2].toDouble(), 0.125);
    }

    void brewster_data() {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("reflected");
        // n = 1.5: ((n - 1) / (n + 1))^2 = 0.04 at normal incidence, for
        // either component.
        QTest::newRow("normal") << 0 << 1.0 << 0.04;
        QTest::newRow("normal, Ey only") << 0 << 1e9 << 0.04;
    }
    void brewster() {
        QFETCH(int, alpha);
        QFETCH(double, ratio);
        brewster::Inputs in;
        in.alphaDegrees = alpha;
        in.ratio = ratio;
        in.nPar = in.nPerp = 1.5;
        QFETCH(double, reflected);
        const brewster::LightShares s = brewster::lightShares(brewster::describeFrame(in));
        QCOMPARE(s.reflected + 1, reflected + 1);
    }

    void wave_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<double>("Ex");
        QTest::addColumn<double>("Ey");
        QTest::addColumn<double>("steps"); // back from the newest step; -1: none
        // A 200-pixel square, centre (100, 100); ten steps of 1e-17 s drawn.
        QTest::newRow("centre") << QPoint(100, 100) << 0.0 << 0.0 << -1.0;
        QTest::newRow("up right") << QPoint(130, 60) << 30.0 << 40.0 << -1.0;
        QTest::newRow("newest column") << QPoint(199, 250) << 99.0 << -150.0 << 0.0;
        QTest::newRow("ninth back") << QPoint(190, 250) << 90.0 << -150.0 << 9.0;
        QTest::newRow("not drawn yet") << QPoint(189, 250) << 89.0 << -150.0 << -1.0;
    }
    void wave() {
        QFETCH(QPoint, pixel);
        QFETCH(double, steps);
        const FieldPoint f = vectorAt(pixel.x(), pixel.y(), 200);
        QTEST(f.Ex, "Ex");
        QTEST(f.Ey, "Ey");
        WaveParams p;
        WaveAnimation a;
        for (int i = 0; i < 10; ++i)
            QVERIFY(a.step(p));
        const auto t = plotTimeAt(a, p, pixel.x(), 200);
        QCOMPARE(t.has_value(), steps >= 0 && pixel.y() >= 200);
        if (t && pixel.y() >= 200) QCOMPARE(double(*t * 1e17) + 1, 9 - steps + 1);
    }
};

QTEST_MAIN(TestPolarisationProbes)
#include "tst_polarisation_probes.moc"
