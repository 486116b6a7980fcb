// The slit's intensity law and the page picture computed from it: the
// fringes of the 633 nm and 488 nm rows fall where the law puts them.
#include "waves/diffraction/SlitDiffraction.h"

#include <QImage>
#include <QTest>
#include <cmath>
#include <numbers>

namespace {

const slit::Setup kRed{0.1e-3, 633e-9, 2.0};
const slit::Setup kBlue{0.1e-3, 488e-9, 2.0};

// The middle of the darkest columns within `half` columns of `x` in one
// picture row (a dark fringe may span a few equally black columns).
double darkestNear(const QImage &img, int y, int x, int half) {
    const auto level = [&](int i) {
        const QRgb c = img.pixel(i, y);
        return qRed(c) + qGreen(c) + qBlue(c);
    };
    int lowest = 1 << 30;
    for (int i = x - half; i <= x + half; ++i)
        lowest = std::min(lowest, level(i));
    double sum = 0;
    int n = 0;
    for (int i = x - half; i <= x + half; ++i)
        if (level(i) == lowest) {
            sum += i;
            ++n;
        }
    return sum / n;
}

} // namespace

class TestSlitDiffraction : public QObject {
    Q_OBJECT
  private slots:
    void law_data() {
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        QTest::newRow("centre") << 0.0 << 1.0;
        QTest::newRow("tiny") << 1e-12 << 1.0;
        QTest::newRow("first zero") << std::numbers::pi << 0.0;
        QTest::newRow("second zero") << -2 * std::numbers::pi << 0.0;
        // The first side maximum, about 4.7 % of the centre.
        QTest::newRow("first side maximum") << 1.4303 * std::numbers::pi << 0.04719;
        QTest::newRow("half way") << std::numbers::pi / 2
                                  << 4 / (std::numbers::pi * std::numbers::pi);
    }
    void law() {
        QFETCH(double, b);
        QFETCH(double, expected);
        QVERIFY2(std::abs(slit::sincSquared(b) - expected) < 1e-4,
                 qPrintable(QString::number(slit::sincSquared(b))));
    }

    void darkFringesScaleWithWavelength() {
        // m * lambda * L / width for small angles: 12.66 mm and 9.76 mm.
        QVERIFY(std::abs(slit::darkFringe(kRed, 1) - 12.66e-3) < 0.01e-3);
        QVERIFY(std::abs(slit::darkFringe(kBlue, 1) - 9.76e-3) < 0.01e-3);
        QVERIFY(slit::intensity(kRed, slit::darkFringe(kRed, 3)) < 1e-12);
        QVERIFY(slit::intensity(kRed, slit::darkFringe(kRed, 1) / 2) > 0.3);
        // A slit narrower than the wavelength has no first zero.
        QVERIFY(std::isinf(slit::darkFringe({0.5e-6, 633e-9, 1}, 1)));
    }

    void rowIsSymmetricAndPeaksAtTheCentre() {
        const std::vector<double> r = slit::row(kRed, 101, 0.4e-3);
        QCOMPARE(r.size(), std::size_t(101));
        QCOMPARE(r[50], 1.0);
        for (std::size_t i = 0; i < r.size(); ++i) {
            QCOMPARE(r[i], r[r.size() - 1 - i]);
            QVERIFY(r[i] >= 0 && r[i] <= 1);
        }
        QVERIFY(slit::row(kRed, 0, 1).empty());
        QVERIFY(slit::row(kRed, -5, 1).empty());
    }

    void degenerateSetupsGiveNoPattern_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("wavelength");
        QTest::addColumn<double>("distance");
        QTest::newRow("no slit") << 0.0 << 633e-9 << 2.0;
        QTest::newRow("no wavelength") << 1e-4 << 0.0 << 2.0;
        QTest::newRow("negative distance") << 1e-4 << 633e-9 << -1.0;
        QTest::newRow("nan width") << std::nan("") << 633e-9 << 2.0;
        QTest::newRow("infinite distance") << 1e-4 << 633e-9 << double(INFINITY);
    }
    void degenerateSetupsGiveNoPattern() {
        QFETCH(double, width);
        QFETCH(double, wavelength);
        QFETCH(double, distance);
        const slit::Setup s{width, wavelength, distance};
        QCOMPARE(slit::intensity(s, 0), 1.0);
        QCOMPARE(slit::intensity(s, 1e-3), 0.0);
        QCOMPARE(slit::darkFringe(s, 1), 0.0);
    }

    // The page's picture: bands at rows 28..137 (red) and 178..287 (blue),
    // 0.4 mm per pixel, so the m-th dark column is m * 31.65 (red) or
    // m * 24.4 (blue) pixels from the middle.
    void pagePictureFollowsTheLaw_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("wavelength");
        QTest::newRow("633 nm") << 83 << 633e-9;
        QTest::newRow("488 nm") << 233 << 488e-9;
    }
    void pagePictureFollowsTheLaw() {
        QFETCH(int, row);
        QFETCH(double, wavelength);
        const QImage img(QStringLiteral(":/diffraction/slits.png"));
        QCOMPARE(img.size(), QSize(465, 305));
        const double middle = (465 - 1) / 2.0;
        const double pitch = slit::darkFringe({0.1e-3, wavelength, 2.0}, 1) / 0.4e-3;
        for (int m = 1; m <= 3; ++m) {
            for (int side : {-1, 1}) {
                const int x = int(std::lround(middle + side * m * pitch));
                QVERIFY2(std::abs(darkestNear(img, row, x, 6) - x) <= 1.5,
                         qPrintable(QStringLiteral("m=%1 side=%2").arg(m).arg(side)));
            }
        }
        // The centre is the brightest column, and the side fringes still show.
        const QRgb c = img.pixel(232, row);
        QVERIFY(qRed(c) + qGreen(c) + qBlue(c) > 500);
        const QRgb side = img.pixel(int(middle + 1.43 * pitch), row);
        QVERIFY(qRed(side) + qGreen(side) + qBlue(side) > 100);
    }
};

QTEST_MAIN(TestSlitDiffraction)
#include "tst_slit_diffraction.moc"
