// The textbook predictions drawn over the wave pictures, against figures
// worked out by hand from the formulas.
#include "waves/fraunhofer/FraunhoferTheory.h"
#include "waves/fraunhofer/FraunhoferTheoryMarks.h"
#include "waves/fresnel/FresnelTheory.h"
#include "waves/fresnel/FresnelTheoryMarks.h"
#include "waves/interference/InterferenceTheory.h"
#include "waves/interference/InterferenceTheoryMarks.h"
#include "waves/newton/NewtonTheory.h"
#include "waves/newton/NewtonTheoryMarks.h"
#include "waves/spectrometer/GratingTheory.h"
#include "waves/spectrometer/GratingTheoryMarks.h"

#include <QTest>

class TestTheory : public QObject {
    Q_OBJECT
  private slots:
    void newtonRings_data();
    void newtonRings();
    void fraunhoferMinima_data();
    void fraunhoferMinima();
    void interferenceMaxima_data();
    void interferenceMaxima();
    void gratingLines_data();
    void gratingLines();
    void fresnelZones_data();
    void fresnelZones();
};

void TestTheory::newtonRings_data() {
    QTest::addColumn<double>("Rc");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<double>("dark1");   // sqrt(lambda R), m
    QTest::addColumn<double>("bright1"); // sqrt(lambda R / 2), m
    QTest::addColumn<int>("dark");
    QTest::addColumn<int>("bright");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("dense");
    // a^2 / (lambda R) = 20 rings inside the lens.
    QTest::newRow("defaults") << 10.0 << 0.000035 << 500.0 << 2.2360680e-3 << 1.5811388e-3 << 20
                              << 20 << false << false;
    // Rings closer than 2 h beyond r = lambda R / (4 h) = 9.29 mm: m <= 66.
    QTest::newRow("red, R = 2 m") << 2.0 << 0.000035 << 650.0 << 1.1401754e-3 << 0.8062258e-3 << 66
                                  << 67 << false << true;
    // r^2 / (2 R) is 1 % off beyond r = 0.2 R: m <= 0.04 R / lambda = 133.2.
    QTest::newRow("R = 3.33 cm") << 0.0333 << 0.00001 << 10000.0 << 0.57706152e-3 << 0.40804412e-3
                                 << 133 << 133 << true << false;
}

void TestTheory::newtonRings() {
    QFETCH(double, Rc);
    QFETCH(double, h);
    QFETCH(double, lambda);
    QFETCH(double, dark1);
    QFETCH(double, bright1);
    QFETCH(int, dark);
    QFETCH(int, bright);
    const NewtonInputs in{Rc, 0.01, h, lambda};
    const NewtonTheory t = newtonTheory(in);
    QCOMPARE(int(t.dark.size()), dark);
    QCOMPARE(int(t.bright.size()), bright);
    QVERIFY(qAbs(t.dark[0] / dark1 - 1) < 1e-7);
    QVERIFY(qAbs(t.bright[0] / bright1 - 1) < 1e-7);
    QTEST(t.approximationFails, "fails");
    QTEST(t.tooDense, "dense");
    // Circles about the picture's centre (n, n), one pixel per step h.
    const OverlayMarks marks = newtonTheoryMarks(in);
    QCOMPARE(marks.ellipses.size(), dark);
    const double n = newtonRingCount(in.a, in.h);
    QCOMPARE(marks.ellipses[0].center(), QPointF(n, n));
    QVERIFY(qAbs(marks.ellipses[0].width() / 2 - dark1 / h) < 1e-6);
    QVERIFY(qAbs(marks.points[0].x() - (n + bright1 / h)) < 1e-6);
    QCOMPARE(marks.points[0].y(), n);
}

void TestTheory::fraunhoferMinima_data() {
    QTest::addColumn<int>("lambda");
    QTest::addColumn<float>("L");
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("S");
    QTest::addColumn<double>("x1"); // lambda L / a, m
    QTest::addColumn<int>("alongA");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("dense");
    QTest::addColumn<int>("alongB");
    // x1 = 12 mm = 9.6 pixels; 20 of them within the half side 0.25 m.
    QTest::newRow("defaults") << 600 << 2000.f << 0.1f << 0.1f << 0.5f << 0.012 << 20 << false
                              << false << 20;
    // sin = 0.15 at m = 3: L tan - x = 17 mm, more than a pixel (12.5 mm). Along b,
    // L s^3 / 2 > 12.5 mm from m = 28 on.
    QTest::newRow("a = 10 um") << 500 << 10.f << 1e-5f << 1e-4f << 5.f << 0.5 << 2 << true << false
                               << 27;
    // x1 = 2.4 mm = 1.92 pixels: too dense to mark.
    QTest::newRow("wide") << 600 << 2000.f << 0.5f << 0.1f << 0.5f << 0.0024 << 0 << false << true
                          << 20;
}

void TestTheory::fraunhoferMinima() {
    QFETCH(int, lambda);
    QFETCH(float, L);
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(float, S);
    QFETCH(double, x1);
    QFETCH(int, alongA);
    QFETCH(int, alongB);
    const FraunhoferInputs in{lambda, L, a, b, S};
    const FraunhoferMinima t = ::fraunhoferMinima(in, a);
    QCOMPARE(int(t.at.size()), alongA);
    if (alongA) QVERIFY(qAbs(t.at[0] / x1 - 1) < 1e-6);
    QTEST(t.smallAngleFails, "fails");
    QTEST(t.tooDense, "dense");
    QCOMPARE(int(::fraunhoferMinima(in, b).at.size()), alongB);
    // Two lines per minimum; the first at column 200 - x1 / (S / 400).
    const OverlayMarks marks = fraunhoferTheoryMarks(in);
    QCOMPARE(marks.lines.size(), 2 * (alongA + alongB));
    if (alongA) QVERIFY(qAbs(marks.lines[0].x1() - (200 - x1 * 400 / S)) < 1e-3);
}

using Sources = std::vector<InterferenceSource>;
Q_DECLARE_METATYPE(Sources)

void TestTheory::interferenceMaxima_data() {
    QTest::addColumn<Sources>("sources");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("ymax");
    QTest::addColumn<int>("maxima");
    QTest::addColumn<double>("y1");    // order 1 from the centre, m
    QTest::addColumn<int>("firstOff"); // first order where m lambda L / d is 1 % off; 0: none
    QTest::addColumn<bool>("tooMany");
    // d = 100 um: sin = 0.05 m, y = tan; d sin(atan 0.5) / lambda = 8.94: orders -8..8;
    // 1 - cos > 1 % from sin > 0.141, m = 3.
    QTest::newRow("two, defaults") << Sources{{-50, 255}, {50, 255}} << 1e6 << 5000.0 << 1.0 << 0.5
                                   << 17 << 0.05006262 << 3 << false;
    // d = 1 mm about 1 mm; orders from -10.9998 to 8.9999.
    QTest::newRow("row of three") << Sources{{0, 200}, {1, 200}, {2, 200}} << 1e3 << 500.0 << 2.0
                                  << 0.01 << 19 << 0.001 << 0 << false;
    // d = 2 mm: 3579 orders on the screen.
    QTest::newRow("two far apart") << Sources{{-1000, 255}, {1000, 100}} << 1e6 << 500.0 << 1.0
                                   << 0.5 << 0 << 0.0 << 0 << true;
    QTest::newRow("irregular") << Sources{{0, 255}, {1, 255}, {3, 255}} << 1e6 << 500.0 << 1.0
                               << 0.5 << 0 << 0.0 << 0 << false;
}

void TestTheory::interferenceMaxima() {
    QFETCH(Sources, sources);
    QFETCH(double, divisor);
    QFETCH(double, lambda);
    QFETCH(double, L);
    QFETCH(double, ymax);
    QFETCH(int, maxima);
    QFETCH(double, y1);
    QFETCH(int, firstOff);
    const InterferenceInputs in{lambda, L, ymax, 1e-4, divisor, sources};
    const InterferenceTheory t = interferenceTheory(in);
    QCOMPARE(int(t.maxima.size()), maxima);
    QTEST(t.tooMany, "tooMany");
    int off = 0;
    for (const InterferenceMaximum &m : t.maxima) {
        if (m.order == 1) QVERIFY(qAbs((m.y - t.centre) / y1 - 1) < 1e-6);
        if (!off && m.order > 0 && !m.smallAngleOk) off = m.order;
    }
    QCOMPARE(off, firstOff);
    // The whole screen on a 500-pixel graph: every maximum a line, at
    // column 250 + (y / step) / (count / 500).
    GraphView view;
    view.count = interferenceLayout(ymax, 1e-4).count();
    view.width = 500;
    view.height = 300;
    const OverlayMarks marks = interferenceTheoryMarks(in, view);
    QCOMPARE(marks.lines.size(), maxima);
    if (maxima)
        QVERIFY(qAbs(marks.lines[0].x1() - (250 + t.maxima[0].y / 1e-4 / (view.count / 500.0))) <
                1e-6);
}

Q_DECLARE_METATYPE(SpectrumSource)

void TestTheory::gratingLines_data() {
    QTest::addColumn<SpectrumSource>("source");
    QTest::addColumn<bool>("white");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("lambda"); // of the first line
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("offset"); // 133.2 tan(theta) on a 683-pixel picture
    QTest::addColumn<int>("missing");   // lines with sin > 1
    // White light, first order: 400, 500, ...; sin = 0.2 for 400 nm.
    QTest::newRow("white") << SpectrumSource{} << true << true << false << 4 << 400 << 11.536959
                           << 27.189336 << 0;
    SpectrumSource hydrogen;
    hydrogen.ranges = {
        {656, 656, 100, 60}, {486, 486, 70, 40}, {434, 434, 40, 25}, {410, 410, 25, 15}};
    // sin = 0.328 for H-alpha in the first order.
    QTest::newRow("hydrogen, both orders")
        << hydrogen << false << true << true << 8 << 656 << 19.147429 << 46.248153 << 0;
    // Second order only: sin = 0.9 at 900 nm, 1.1 at 1100 nm (no such direction).
    SpectrumSource infrared;
    infrared.ranges = {{900, 1100, 0, 100}};
    QTest::newRow("infrared, second order")
        << infrared << false << false << true << 2 << 900 << 64.158067 << 275.023582 << 1;
}

void TestTheory::gratingLines() {
    QFETCH(SpectrumSource, source);
    QFETCH(bool, white);
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(int, lines);
    QFETCH(double, angle);
    QFETCH(double, offset);
    QFETCH(int, missing);
    const std::vector<GratingLine> t = gratingTheory(source, white, first, second, 683);
    QCOMPARE(int(t.size()), lines);
    QTEST(t[0].lambda, "lambda");
    QVERIFY(qAbs(t[0].angle - angle) < 1e-5);
    QVERIFY(qAbs(t[0].offset - offset) < 1e-3);
    // Two strokes per existing line, the first at H / 2 - offset beside the screen.
    const OverlayMarks marks = gratingTheoryMarks(source, white, first, second, QSize(683, 449));
    QCOMPARE(marks.lines.size(), 2 * (lines - missing));
    QVERIFY(qAbs(marks.lines[0].y1() - (224 - offset)) < 1e-3);
    QCOMPARE(marks.lines[0].x1(), 683.0 - 75 + 32);
}

void TestTheory::fresnelZones_data() {
    QTest::addColumn<int>("lambda");
    QTest::addColumn<double>("z1");
    QTest::addColumn<double>("inner");
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("zones");  // r^2 (1/z1 + 1/z2) / lambda, outer less inner
    QTest::addColumn<double>("centre"); // sin^2(pi m / 2)
    QTest::addColumn<int>("edges");
    QTest::addColumn<double>("edge1"); // the first edge, m
    // z2 = 0.01 m throughout; r_1 = sqrt(lambda z1 z2 / (z1 + z2)).
    QTest::newRow("defaults") << 405 << 0.01 << 0.0 << 0.00011 << 5.9753086 << 0.0015035 << 5
                              << 4.5e-5;
    QTest::newRow("z1 = 2 cm") << 500 << 0.02 << 0.0 << 0.000105 << 3.3075 << 0.7842809 << 3
                               << 5.7735027e-5;
    // A ring from 1.23 to 4.94 zones: edges 2, 3 and 4.
    QTest::newRow("ring") << 405 << 0.01 << 0.00005 << 0.0001 << 3.7037037 << 0.2014207 << 3
                          << 6.3639610e-5;
}

void TestTheory::fresnelZones() {
    QFETCH(int, lambda);
    QFETCH(double, z1);
    QFETCH(double, inner);
    QFETCH(double, outer);
    QFETCH(double, zones);
    QFETCH(double, centre);
    QFETCH(int, edges);
    QFETCH(double, edge1);
    FresnelInputs in;
    in.wavelengthNm = lambda;
    in.z1 = z1;
    in.innerRadius = inner;
    in.outerRadius = outer;
    const FresnelTheory t = fresnelTheory(in);
    QVERIFY(qAbs(t.openZones - zones) < 1e-6);
    QVERIFY(qAbs(t.centre - centre) < 1e-6);
    QCOMPARE(int(t.edges.size()), edges);
    QVERIFY(qAbs(t.edges[0] / edge1 - 1) < 1e-7);
    QVERIFY(!t.paraxialFails);
    // On the graph, R / 200 = 1.5 um per pixel from column 200, both sides.
    const OverlayMarks marks = fresnelTheoryMarks(in, true);
    QCOMPARE(marks.lines.size(), 2 * edges);
    QVERIFY(qAbs(marks.lines[0].x1() - (200 + edge1 / 1.5e-6)) < 1e-4);
    // An opening a fifth of the distances: no zones drawn.
    in.outerRadius = 0.002;
    QVERIFY(fresnelTheoryMarks(in, true).lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestTheory)
#include "tst_wave_theory.moc"
