// The readouts at the pointer and the data of the waves pictures, against
// values worked out by hand at chosen pixels.
#include "waves/fraunhofer/FraunhoferPicture.h"
#include "waves/fraunhofer/FraunhoferProbe.h"
#include "waves/fraunhofer/Unit9.h"
#include "waves/fresnel/FresnelPicture.h"
#include "waves/fresnel/FresnelProbe.h"
#include "waves/fresnel/Unit10.h"
#include "waves/interference/GraphPanel.h"
#include "waves/interference/InterferencePicture.h"
#include "waves/newton/NewtonPicture.h"
#include "waves/newton/NewtonProbe.h"
#include "waves/spectrometer/SpectrometerProbe.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// Ten rings 1 mm apart, ring i at level 25 i.
NewtonInputs tenRings() {
    NewtonInputs in;
    in.Rc = 10;
    in.a = 0.01L;
    in.h = 0.001L;
    return in;
}

std::vector<int> tenLevels() {
    std::vector<int> levels;
    for (int i = 0; i < 10; ++i)
        levels.push_back(25 * i);
    return levels;
}

// Parses "a,b,c" rows after the header.
QList<QList<double>> readCsv(const QString &csv, QString *header) {
    QStringList lines = csv.split('\n', Qt::SkipEmptyParts);
    *header = lines.takeFirst();
    QList<QList<double>> rows;
    for (const QString &line : lines) {
        QList<double> row;
        for (const QString &cell : line.split(','))
            row.push_back(cell.toDouble());
        rows.push_back(row);
    }
    return rows;
}

} // namespace

class TestWaveProbes : public QObject {
    Q_OBJECT
  private slots:
    void newton_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("ring"); // -1: no reading
        QTest::addColumn<double>("radiusMm");
        QTest::addColumn<double>("intensity");
        // The centre lies between pixels 9 and 10 of the 20 x 20 picture.
        QTest::newRow("next to the centre") << QPoint(10, 10) << 1 << 1.0 << 25 / 255.0;
        QTest::newRow("ring 4 to the right") << QPoint(13, 10) << 4 << 4.0 << 100 / 255.0;
        QTest::newRow("ring 9 on the left") << QPoint(1, 10) << 9 << 9.0 << 225 / 255.0;
        QTest::newRow("diagonal 3.5 sqrt 2") << QPoint(6, 6) << 5 << 5.0 << 125 / 255.0;
        QTest::newRow("past the last ring") << QPoint(0, 10) << -1 << 0.0 << 0.0;
        QTest::newRow("corner") << QPoint(19, 19) << -1 << 0.0 << 0.0;
    }
    void newton() {
        QFETCH(QPoint, pixel);
        QFETCH(int, ring);
        const auto r = probeNewton(tenRings(), tenLevels(), pixel.x(), pixel.y());
        QCOMPARE(r.has_value(), ring >= 0);
        if (!r) return;
        QCOMPARE(r->ring, ring);
        QTEST(r->radiusMm, "radiusMm");
        QTEST(r->intensity, "intensity");
    }

    void newtonProvider() {
        TNewtonPicture p;
        QVERIFY(!p.hasData());
        QVERIFY(p.readoutAt(QPoint(10, 10)).isEmpty());
        p.setRings(tenRings(), tenLevels());
        QCOMPARE(
            p.readoutAt(QPoint(13, 10)),
            QStringList({QStringLiteral("r = 4 мм"), QStringLiteral("I = 0.392 от наибольшей")}));
        QString header;
        const auto rows = readCsv(p.dataCsv(), &header);
        QCOMPARE(header, QStringLiteral("r (мм),I (доля наибольшей)"));
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows[3][0], 3.0);
        QCOMPARE(rows[3][1], 75 / 255.0);
    }

    void fraunhofer_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("shadow");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("xMm");
        QTest::addColumn<double>("yMm");
        QTest::addColumn<double>("percent");
        // Screen 0.5 m: 1.25 mm a pixel; level 51 at (300, 100) is 20 %.
        QTest::newRow("centre") << QPoint(200, 200) << false << true << 0.0 << 0.0 << 100.0;
        QTest::newRow("up right") << QPoint(300, 100) << false << true << 125.0 << 125.0 << 20.0;
        QTest::newRow("shadow") << QPoint(300, 100) << true << true << 125.0 << 125.0 << 80.0;
        QTest::newRow("left edge") << QPoint(0, 399) << false << true << -250.0 << -248.75 << 0.0;
        QTest::newRow("off") << QPoint(400, 0) << false << false << 0.0 << 0.0 << 0.0;
    }
    void fraunhofer() {
        QFETCH(QPoint, pixel);
        QFETCH(bool, shadow);
        FraunhoferPicture picture;
        picture.value[200 * kFraunhoferSide + 200] = 255;
        picture.value[100 * kFraunhoferSide + 300] = 51;
        const auto r = probeFraunhofer(picture, 0.5, shadow, pixel.x(), pixel.y());
        QTEST(r.has_value(), "valid");
        if (!r) return;
        QTEST(r->xMm, "xMm");
        QTEST(r->yMm, "yMm");
        QTEST(r->percent, "percent");
    }

    void fraunhoferProvider() {
        TForm9 form;
        TFraunhoferPicture p(&form);
        QVERIFY(!p.hasData());
        form.Result.value[100 * kFraunhoferSide + 300] = 51;
        form.Edit5->setText(QStringLiteral("0.5"));
        QVERIFY(p.hasData());
        QCOMPARE(p.readoutAt(QPoint(300, 100)),
                 QStringList({QStringLiteral("x = 125.00 мм, y = 125.00 мм"),
                              QStringLiteral("I = 20.0 % от наибольшей")}));
        QString header;
        const auto rows = readCsv(p.dataCsv(), &header);
        QCOMPARE(header, QStringLiteral("x (мм),y (мм),I (% от наибольшей)"));
        QCOMPARE(rows.size(), kFraunhoferSide * kFraunhoferSide);
        QCOMPARE(rows[100 * kFraunhoferSide + 300], QList<double>({125.0, 125.0, 20.0}));
    }

    void fresnel_data() {
        QTest::addColumn<bool>("graph");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("entry"); // -1: no reading
        // R = 0.4 mm: entry k at 0.002 k mm.
        QTest::newRow("rings, centre") << false << QPoint(200, 200) << 1;
        QTest::newRow("rings, 3-4-5") << false << QPoint(202, 203) << 4;
        QTest::newRow("rings, outer corner") << false << QPoint(0, 0) << -1;
        QTest::newRow("graph, centre") << true << QPoint(200, 50) << 0;
        QTest::newRow("graph, left") << true << QPoint(10, 300) << 190;
        QTest::newRow("graph, right edge") << true << QPoint(399, 0) << 199;
        QTest::newRow("graph, left edge") << true << QPoint(0, 0) << -1;
    }
    void fresnel() {
        QFETCH(bool, graph);
        QFETCH(QPoint, pixel);
        QFETCH(int, entry);
        const auto k =
            graph ? fresnelGraphEntry(pixel.x()) : fresnelRingEntry(pixel.x(), pixel.y());
        QCOMPARE(k.value_or(-1), entry);
        if (!k) return;
        FresnelProfile profile{};
        profile[static_cast<std::size_t>(entry)] = 51;
        const FresnelReading r = fresnelReading(profile, 0.0004, *k);
        QCOMPARE(r.radiusMm, entry * 0.002);
        QCOMPARE(r.intensity, 0.2);
    }

    void fresnelProvider() {
        TForm10 form;
        TFresnelPicture rings(&form, TFresnelPicture::Page::Rings);
        QVERIFY(!rings.hasData());
        form.Result[4] = 51;
        form.Edit4->setText(QStringLiteral("0.0004"));
        QCOMPARE(rings.readoutAt(QPoint(202, 203)),
                 QStringList(
                     {QStringLiteral("r = 0.0080 мм"), QStringLiteral("I = 0.200 от наибольшей")}));
        QString header;
        const auto rows = readCsv(rings.dataCsv(), &header);
        QCOMPARE(header, QStringLiteral("r (мм),I (доля наибольшей)"));
        QCOMPARE(rows.size(), kFresnelEntries);
        QCOMPARE(rows[4], QList<double>({0.008, 0.2}));
    }

    void interference_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("intensity");
        // 100 samples over 100 columns, Ymax 0.5 m: column x shows sample x
        // at y = (x - 50) 0.01 m, whose intensity is x / 4.
        QTest::newRow("centre") << 50 << true << "y = 0 м"
                                << "I = 12.5";
        QTest::newRow("left") << 10 << true << "y = -0.4 м"
                              << "I = 2.5";
        QTest::newRow("last") << 99 << true << "y = 0.49 м"
                              << "I = 24.75";
        QTest::newRow("past the end") << 100 << false << ""
                                      << "";
    }
    void interference() {
        QFETCH(int, column);
        QFETCH(bool, valid);
        TGraphPanel graph;
        graph.resize(100, 200);
        TInterferencePicture p(&graph);
        QVERIFY(!p.hasData());
        QVERIFY(p.readoutAt(QPoint(column, 10)).isEmpty());
        MappedSamples samples = MappedSamples::allocate(100 * sizeof(float));
        for (int k = 0; k < 100; ++k)
            samples.data()[k] = k / 4.0f;
        graph.Ymax = 0.5L;
        graph.SetData(std::move(samples), 100);
        const QStringList lines = p.readoutAt(QPoint(column, 10));
        QCOMPARE(lines.isEmpty(), !valid);
        if (valid) {
            QTEST(lines[0], "y");
            QTEST(lines[1], "intensity");
        }
        QString header;
        const auto rows = readCsv(p.dataCsv(), &header);
        QCOMPARE(header, QStringLiteral("y (м),I (отн. ед.)"));
        QCOMPARE(rows.size(), 100);
        QCOMPARE(rows[70], QList<double>({0.2, 17.5}));
    }

    void spectrometer_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("lambda"); // -1: none
        // W = 850, H = 400: K = 200 tan(asin(m lambda / 2000)) from row 200.
        QTest::newRow("1st, K 50") << 1 << 150 << 485;
        QTest::newRow("1st, K 70 below") << 1 << 270 << 661;
        QTest::newRow("1st, K 100: 894 nm") << 1 << 100 << -1;
        QTest::newRow("2nd, K 100") << 2 << 300 << 447;
        QTest::newRow("2nd, K 50: 243 nm") << 2 << 250 << -1;
        QTest::newRow("on the axis") << 1 << 200 << -1;
        QTest::newRow("zeroth order") << 0 << 150 << -1;
    }
    void spectrometer() {
        QFETCH(int, order);
        QFETCH(int, row);
        QTEST(spectralWavelengthAt(850, 400, order, row).value_or(-1), "lambda");
    }

    void spectrometerData_data() {
        QTest::addColumn<bool>("white");
        QTest::addColumn<bool>("second");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("brightness"); // of the first line
        // White light: every pass of each order shown; an atom: its ranges.
        QTest::newRow("white, 1st") << true << false << 378 << 100;
        QTest::newRow("white, both") << true << true << 2 * 378 << 100;
        QTest::newRow("atom, both") << false << true << 2 * 11 << 80;
    }
    void spectrometerData() {
        QFETCH(bool, white);
        QFETCH(bool, second);
        SpectrometerParams p;
        p.imageWidth = 850;
        p.imageHeight = 400;
        p.secondOrder = second;
        p.whiteLight = white;
        p.source.ranges = {{500, 510, 80, 40}};
        const std::vector<SpectralLine> lines = ::spectrometerLines(p);
        QTEST(int(lines.size()), "count");
        QTEST(lines.front().brightness, "brightness");
        QCOMPARE(lines.front().offset, spectralOffset(850, 1, lines.front().lambda));
    }
};

QTEST_MAIN(TestWaveProbes)
#include "tst_wave_probes.moc"
