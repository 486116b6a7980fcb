// The X-ray tube model: element lookup, line positions and excitation, the
// two continuum laws, the sampling walk and the readout format.
#include "atomic/xray/Break_x.h"
#include "core/Pixels.h"

#include <QTest>
#include <clocale>
#include <cmath>
#include <vector>

using namespace Break_x;

namespace {

const TElements &element(const char *symbol) {
    return *ElementAt(FindElement(symbol));
}

// Line numbers (1..7) that the tube excites at this voltage.
QList<int> excitedLines(const char *symbol, int volts) {
    const XraySpectrum s(element(symbol), volts);
    QList<int> lit;
    for (int k = 0; k < 7; ++k)
        if (s.lines()[static_cast<std::size_t>(k)].amplitude > 0) lit.append(k + 1);
    return lit;
}

struct Sample {
    long double lambda;
    long double intensity;
};

std::vector<Sample> samples(const char *symbol, int volts) {
    std::vector<Sample> out;
    XraySpectrum(element(symbol), volts).forEachSample([&](long double l, long double i) {
        out.push_back({l, i});
    });
    return out;
}

} // namespace

class TestXrayModel : public QObject {
    Q_OBJECT
  private slots:
    void findElement_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << "Ca" << 1;
        QTest::newRow("one letter") << "U" << 10;
        QTest::newRow("hidden entry") << "Th" << 16;
        QTest::newRow("case matters") << "fe" << 0;
        QTest::newRow("trailing blank") << "Fe " << 0;
        QTest::newRow("unknown") << "Xx" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("window choice") << "Неизвестный" << 0;
    }
    void findElement() {
        QFETCH(QString, symbol);
        QFETCH(int, index);
        QCOMPARE(FindElement(symbol.toStdString()), index);
        QCOMPARE(ElementAt(index) != nullptr, index != 0);
    }

    void elementsListHoldsTheNamedTen() {
        QCOMPARE(QString::fromStdString(GetElementsList()),
                 QStringLiteral("Ca\r\nFe\r\nKr\r\nPd\r\nSn\r\nBa\r\nEr\r\nPt\r\nRa\r\nU\r\n"));
        QVERIFY(!ElementAt(17));
        QVERIFY(!ElementAt(-1));
    }

    void shortWavelengthLimit_data() {
        QTest::addColumn<int>("volts");
        QTest::addColumn<double>("lambdaMin");
        QTest::newRow("lowest voltage") << 11000 << 1.127136;
        QTest::newRow("highest voltage") << 115000 << 0.107813;
    }
    void shortWavelengthLimit() {
        QFETCH(int, volts);
        QFETCH(double, lambdaMin);
        const std::vector<Sample> s = samples("Fe", volts);
        QVERIFY(std::abs(double(s.front().lambda) - lambdaMin) < 1e-6);
        QCOMPARE(double(s.front().intensity), 0.0);
    }

    void ironLineThreeAtLowVoltage() {
        const XraySpectrum fe(element("Fe"), 11000);
        const XrayLine line3 = fe.lines()[2];
        QVERIFY(std::abs(double(line3.lambda) - 1.94) < 0.001);
        QVERIFY(std::abs(double(line3.amplitude) - 0.06) < 1e-12);
        // Its peak stands at least its amplitude above the continuum.
        const long double over = fe.intensity(line3.lambda) - fe.continuum(line3.lambda);
        QVERIFY(over >= 0.06L && over < 0.08L);
    }

    void uraniumLinesNeedTheirVoltage_data() {
        QTest::addColumn<int>("volts");
        QTest::addColumn<QList<int>>("lit");
        QTest::newRow("11000 V continuum only") << 11000 << QList<int>{};
        QTest::newRow("21400 V L lines") << 21400 << QList<int>{4, 5, 6, 7};
        QTest::newRow("73400 V still no K") << 73400 << QList<int>{4, 5, 6, 7};
        QTest::newRow("83800 V line 3") << 83800 << QList<int>{3, 4, 5, 6, 7};
        QTest::newRow("94200 V all") << 94200 << QList<int>{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("115000 V all") << 115000 << QList<int>{1, 2, 3, 4, 5, 6, 7};
    }
    void uraniumLinesNeedTheirVoltage() {
        QFETCH(int, volts);
        QFETCH(QList<int>, lit);
        QCOMPARE(excitedLines("U", volts), lit);
    }

    void calciumLines_data() {
        QTest::addColumn<int>("volts");
        QTest::newRow("11000 V") << 11000;
        QTest::newRow("115000 V") << 115000;
    }
    void calciumLines() {
        QFETCH(int, volts);
        const XraySpectrum ca(element("Ca"), volts);
        const double expected[] = {3.09, 3.36, 3.36};
        for (int k = 0; k < 3; ++k) {
            const XrayLine &line = ca.lines()[static_cast<std::size_t>(k)];
            QVERIFY(std::abs(double(line.lambda) - expected[k]) < 0.005);
            QVERIFY(line.amplitude > 0);
        }
        for (int k = 3; k < 7; ++k) {
            const double l = double(ca.lines()[static_cast<std::size_t>(k)].lambda);
            QVERIFY2(l > 34 && l < 41, qPrintable(QString::number(l)));
        }
    }

    void continuumLaws_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<double>("lambda");
        QTest::addColumn<double>("expected");
        // At 115000 V the voltage factor is 1. Bremsstrahlung peaks at 2 λmin.
        QTest::newRow("Fe at twice the limit") << "Fe" << 2 * 12398.5 / 115000 << 26.0 / 45 / 4;
        QTest::newRow("Fe at the limit") << "Fe" << 12398.5 / 115000 << 0.0;
        QTest::newRow("Kr falls as 1/λ²") << "Kr" << 2.0 << 0.0012 * 6 / 4;
        QTest::newRow("Hg falls as 1/λ²") << "Hg" << 4.0 << 0.0012 * std::sqrt(80.0) / 16;
    }
    void continuumLaws() {
        QFETCH(QString, symbol);
        QFETCH(double, lambda);
        QFETCH(double, expected);
        const XraySpectrum s(element(symbol.toLatin1().constData()), 115000);
        QVERIFY(std::abs(double(s.continuum(lambda)) - expected) < 1e-9);
    }

    void walkCoversTheRangeOnce() {
        const std::vector<Sample> s = samples("U", 11000);
        // (7 - 1.127) / 0.001 steps, the last one not beyond 7 Å.
        QVERIFY(s.size() >= 5870 && s.size() <= 5875);
        QVERIFY(s.back().lambda <= 7.0L);
        QVERIFY(s.back().lambda + kStep > 7.0L);
        for (const Sample &x : s)
            QVERIFY(std::isfinite(double(x.intensity)) && x.intensity >= 0);
    }

    void voltageThatCannotDriveTheTube_data() {
        QTest::addColumn<int>("volts");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -5000;
        QTest::newRow("too low for the range") << 1000;
    }
    void voltageThatCannotDriveTheTube() {
        QFETCH(int, volts);
        QVERIFY(samples("Fe", volts).empty());
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("pixel");
        QTest::newRow("half down to even") << 0.5 << 0;
        QTest::newRow("half up to even") << 1.5 << 2;
        QTest::newRow("two and a half") << 2.5 << 2;
        QTest::newRow("negative half") << -1.5 << -2;
        QTest::newRow("not a tie") << 2.51 << 3;
        QTest::newRow("NaN") << std::nan("") << 0;
        QTest::newRow("huge") << 1e300 << kPixelLimit;
        QTest::newRow("minus infinity") << -double(INFINITY) << -kPixelLimit;
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(int, pixel);
        QCOMPARE(RoundHalfEven(value), pixel);
    }

    void wavelengthReadout_data() {
        QTest::addColumn<double>("angstrom");
        QTest::addColumn<QString>("text");
        QTest::newRow("three significant digits") << 1.23456 << "1.230";
        QTest::newRow("rounds up") << 6.996 << "7.000";
        QTest::newRow("small value keeps three decimals") << 0.0123 << "0.012";
        QTest::newRow("zero") << 0.0 << "0.000";
        QTest::newRow("not finite") << double(INFINITY) << "0.000";
        QTest::newRow("beyond the axis") << 41.97 << "42.000";
    }
    void wavelengthReadout() {
        QFETCH(double, angstrom);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatWavelength(angstrom)), text);
        // A decimal comma in the user's locale changes nothing.
        const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8")) {
            QCOMPARE(QString::fromStdString(FormatWavelength(angstrom)), text);
            std::setlocale(LC_NUMERIC, saved.c_str());
        }
    }
};

QTEST_MAIN(TestXrayModel)
#include "tst_xray_model.moc"
