// The readouts at the pointer and the data of the atomic pictures, against
// values worked out by hand at chosen pixels.
#include "atomic/microparticles/DifrPanel.h"
#include "atomic/microparticles/ElectronPicture.h"
#include "atomic/microparticles/HitProbe.h"
#include "atomic/xray/XrayPicture.h"
#include "atomic/xray/XrayProbe.h"

#include <QTest>
#include <cmath>

using namespace Break_x;

class TestAtomicProbes : public QObject {
    Q_OBJECT
  private slots:
    void xray_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<double>("lambda"); // -1: no reading
        QTest::addColumn<double>("intensity");
        // 100 px per Å from the axis at x = 10; Fe at 12.4 kV starts at
        // hc / V = 0.99988 Å.
        const XraySpectrum fe(*ElementAt(FindElement("Fe")), 12400);
        QTest::newRow("axis") << 10 << 0.0 << 0.0;
        QTest::newRow("short of the limit") << 100 << 0.9 << 0.0;
        QTest::newRow("1.5 Å") << 160 << 1.5 << double(fe.intensity(1.5L));
        QTest::newRow("7 Å") << 710 << 7.0 << double(fe.intensity(7.0L));
        QTest::newRow("left of the axis") << 9 << -1.0 << 0.0;
        QTest::newRow("past 7 Å") << 711 << -1.0 << 0.0;
    }
    void xray() {
        QFETCH(int, column);
        QFETCH(double, lambda);
        XrayState state;
        QVERIFY(!WavelengthAt(state, column)); // nothing drawn yet
        state.kx = 100;
        const auto at = WavelengthAt(state, column);
        QCOMPARE(at.has_value(), lambda >= 0);
        if (!at) return;
        QCOMPARE(double(*at), lambda);
        const XrayCurve curve{FindElement("Fe"), 12400};
        QTEST(double(CurveIntensity(curve, *at)), "intensity");
        QCOMPARE(double(CurveIntensity({0, 12400}, *at)), 0.0);
    }

    void xrayProvider() {
        XrayState state;
        TXrayPicture p(&state);
        state.kx = 100;
        p.addCurve(0, 12400, QStringLiteral("?")); // no such entry: no curve
        QVERIFY(!p.hasData());
        p.addCurve(FindElement("Fe"), 12400, QStringLiteral("Fe"));
        p.addCurve(FindElement("Pd"), 32200, QStringLiteral("Неизвестный"));
        QCOMPARE(
            p.readoutAt(QPoint(100, 5)),
            QStringList(
                {QStringLiteral("λ = 0.900 Å"), QStringLiteral("Fe 12.4 кВ: I = 0.0000"),
                 QStringLiteral("Неизвестный 32.2 кВ: I = %1")
                     .arg(double(CurveIntensity({FindElement("Pd"), 32200}, 0.9L)), 0, 'f', 4)}));
        const QStringList lines = p.dataCsv().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(),
                 QStringLiteral("λ (Å),I Fe 12.4 кВ (отн. ед.),I Неизвестный 32.2 кВ (отн. ед.)"));
        QCOMPARE(lines.size(), 1 + 7001);
        const QStringList row = lines[1 + 1500].split(',');
        QCOMPARE(row[0].toDouble(), 1.5);
        QCOMPARE(row[1].toDouble(),
                 double(CurveIntensity({FindElement("Fe"), 12400}, 1500 * kStep)));
        p.clear();
        QVERIFY(!p.hasData());
    }

    void electrons_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<double>("radius");
        QTest::addColumn<int>("hits");
        // A 400 x 300 screen, centre (200, 150); hits at distances 50, 50, 49 and 5.
        QTest::newRow("3-4-5 at 50") << QPoint(230, 190) << 50.0 << 2;
        QTest::newRow("49 below") << QPoint(200, 199) << 49.0 << 1;
        QTest::newRow("5.4 rounds to 5") << QPoint(205, 152) << std::hypot(5.0, 2.0) << 1;
        QTest::newRow("centre") << QPoint(200, 150) << 0.0 << 0;
    }
    void electrons() {
        QFETCH(QPoint, pixel);
        QFETCH(double, radius);
        QFETCH(int, hits);
        electrons::HitGrid grid;
        for (const QPoint h : {QPoint(30, 40), QPoint(-50, 0), QPoint(0, 49), QPoint(3, 4)})
            QVERIFY(grid.add(h.x(), h.y(), 400, 300));
        const double r = electrons::radiusAt(pixel.x(), pixel.y(), 400, 300);
        QCOMPARE(r, radius);
        QCOMPARE(electrons::hitsInRing(grid, electrons::ringOf(r)), hits);
        QCOMPARE(electrons::hitHistogram(grid)[std::size_t(electrons::ringOf(r))], hits);
    }

    void electronProvider() {
        TDifrPanel screen;
        screen.resize(400, 300);
        TElectronPicture p(&screen);
        QVERIFY(!p.hasData());
        QVERIFY(screen.AddHit(30, 40));
        QVERIFY(screen.AddHit(-50, 0));
        QCOMPARE(p.readoutAt(QPoint(230, 190)),
                 QStringList(
                     {QStringLiteral("r = 50.0 пикс."), QStringLiteral("попаданий в кольце: 2")}));
        const QStringList lines = p.dataCsv().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines[0], QStringLiteral("r (пикс.),попаданий"));
        QCOMPARE(lines[1 + 50], QStringLiteral("50,2"));
        QCOMPARE(lines.size(), 1 + 1449);
    }
};

QTEST_MAIN(TestAtomicProbes)
#include "tst_atomic_probes.moc"
