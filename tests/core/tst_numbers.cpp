// Number reading and formats, under the C locale and a comma-decimal one.
#include "canvas/NumberText.h"
#include "core/Numbers.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>

namespace {
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

    // Cases run once per locale: a process locale with "," as its decimal
    // point must change nothing. Rows of a locale that is not installed skip.
    static bool enterLocale(const QByteArray &name) {
        if (!std::setlocale(LC_ALL, name.constData())) return false;
        QLocale::setDefault(name == "C" ? QLocale::c() : QLocale(QLocale::Russian));
        return true;
    }

  private slots:
    void cleanup() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }

    void lenient_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");
        const QByteArray longOne = "1" + QByteArray(5000, '0');
        const QByteArray tinyOne = "0." + QByteArray(5000, '0') + "1";
        const struct {
            const char *name;
            QByteArray text;
            double v;
        } rows[] = {
            {"blanks and trailing letters", "  12.5abc", 12.5},
            {"exponent", "1e-3", 0.001},
            {"sign alone", "-", 0},
            {"comma first", ",5", 0},
            {"comma is no point", "5,5", 5},
            {"empty", "", 0},
            {"blanks only", " \t ", 0},
            {"no leading digit", ".5", 0.5},
            {"trailing point", "5.", 5},
            {"signed exponent with tail", "-7.25e2x", -725},
            {"incomplete exponent", "1e", 1},
            {"exponent sign only", "1e+", 1},
            {"upper-case exponent", "2E+2", 200},
            {"plus sign", "+3", 3},
            {"double sign", "--5", 0},
            {"tab", "\t42", 42},
            {"letters", "abc", 0},
            {"hex is not read", "0x10", 0},
            {"inf is not a number", "inf", 0},
            {"nan is not a number", "nan", 0},
            {"overflow", "1e400", DBL_MAX},
            {"negative overflow", "-1e400", -DBL_MAX},
            {"exponent beyond int", "1e99999999999999999999", DBL_MAX},
            {"underflow", "1e-400", 0},
            {"5000 digits", longOne, DBL_MAX},
            {"5000 zeros after the point", tinyOne, 0},
        };
        for (const char *loc : {"C", "ru_RU.UTF-8"})
            for (const auto &r : rows)
                QTest::addRow("%s, %s", loc, r.name) << QByteArray(loc) << r.text << r.v;
    }
    void lenient() {
        QFETCH(QByteArray, locale);
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        if (!enterLocale(locale)) QSKIP("locale not installed");
        QCOMPARE(readNumber(std::string_view(text.constData(), std::size_t(text.size()))),
                 expected);
        QCOMPARE(readNumber(QString::fromLatin1(text)), expected);
    }

    void strict_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("expected");
        const struct {
            const char *name, *text;
            bool ok;
            double v;
        } rows[] = {
            {"blanks around", "  12.5 ", true, 12.5},
            {"negative exponent", "-2.5e-1", true, -0.25},
            {"trailing letters", "12.5abc", false, 0},
            {"comma", "5,5", false, 0},
            {"empty", "", false, 0},
            {"point alone", ".", false, 0},
            {"incomplete exponent", "1e", false, 0},
            {"overflow", "1e400", false, 0},
            {"inner blank", "1 2", false, 0},
        };
        for (const char *loc : {"C", "ru_RU.UTF-8"})
            for (const auto &r : rows)
                QTest::addRow("%s, %s", loc, r.name)
                    << QByteArray(loc) << QByteArray(r.text) << r.ok << r.v;
    }
    void strict() {
        QFETCH(QByteArray, locale);
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(double, expected);
        if (!enterLocale(locale)) QSKIP("locale not installed");
        const auto v = readNumberStrict(text.toStdString());
        QCOMPARE(v.has_value(), ok);
        if (ok) QCOMPARE(*v, expected);
    }

    void integer_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("expected");
        QTest::newRow("blanks around") << QByteArray(" 42 ") << true << 42;
        QTest::newRow("negative") << QByteArray("-7") << true << -7;
        QTest::newRow("plus") << QByteArray("+7") << true << 7;
        QTest::newRow("largest") << QByteArray("2147483647") << true << 2147483647;
        QTest::newRow("smallest") << QByteArray("-2147483648") << true << int(-2147483648LL);
        QTest::newRow("too large") << QByteArray("2147483648") << false << 0;
        QTest::newRow("decimal") << QByteArray("4.0") << false << 0;
        QTest::newRow("empty") << QByteArray("") << false << 0;
        QTest::newRow("two signs") << QByteArray("+-3") << false << 0;
        QTest::newRow("trailing letter") << QByteArray("12a") << false << 0;
    }
    void integer() {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(int, expected);
        const auto v = readInteger(text.toStdString());
        QCOMPARE(v.has_value(), ok);
        if (ok) QCOMPARE(*v, expected);
    }

    void formats_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const struct {
            const char *format;
            double v;
            const char *text;
        } rows[] = {
            {"thousands", 1234.5, "1,234.50"},
            {"thousands", 0, "0.00"},
            {"thousands", 999.5, "999.50"},
            {"thousands", -1234567.891, "-1,234,567.89"},
            {"thousands", 0.005, "0.01"},
            {"thousands", 999.995, "1,000.00"},
            {"thousands", -0.001, "0.00"},
            {"thousands", 1e20, "100,000,000,000,000,000,000.00"},
            {"five", 28.5, "28.50000"},
            {"five", 0.25, ".25000"},
            {"five", 0, ".00000"},
            {"five", -0.25, "-.25000"},
            {"five", 1234.5, "1234.50000"},
            {"five", 0.000005, ".00001"},
            {"five", 0.999999, "1.00000"},
            {"fixed2", 22.5819, "22.58"},
            {"fixed2", 2.675, "2.68"},
            {"fixed0", 3, "3"},
            {"fixed0", 0.5, "1"},
            {"fixed0", -0.4, "0"},
            {"fixed3", 1.5, "1.500"},
            {"fixed3", -kInf, "-INF"},
            {"general", 0.1, "0.1"},
            {"general", 0.1 + 0.2, "0.3"},
            {"general", 1.0 / 3, "0.333333333333333"},
            {"general", 100, "100"},
            {"general", -2.5, "-2.5"},
            {"general", 123456789012345, "123456789012345"},
            {"general", 1e15, "1E15"},
            {"general", 0.00001, "0.00001"},
            {"general", 1.5e-6, "1.5E-6"},
            {"general", -0.0, "0"},
            {"general", kInf, "INF"},
            {"general", kNaN, "NAN"},
        };
        for (const char *loc : {"C", "ru_RU.UTF-8"})
            for (const auto &r : rows)
                QTest::addRow("%s, %s %g", loc, r.format, r.v)
                    << QByteArray(loc) << QString(r.format) << r.v << QString(r.text);
    }
    void formats() {
        QFETCH(QByteArray, locale);
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, expected);
        if (!enterLocale(locale)) QSKIP("locale not installed");
        QString got;
        if (format == "thousands")
            got = qFormatThousands(value);
        else if (format == "five")
            got = qFormatFiveDecimals(value);
        else if (format == "general")
            got = qFormatGeneral(value);
        else
            got = qFormatFixed(value, format.mid(5).toInt());
        QCOMPARE(got, expected);
    }

    // What is shown reads back as (nearly) the same number.
    void generalReadsBack() {
        auto *rng = QRandomGenerator::global();
        for (int i = 0; i < 2000; ++i) {
            const double v = (rng->generateDouble() - 0.5) * std::pow(10.0, rng->bounded(-30, 30));
            const std::string text = formatGeneral(v);
            const double back = readNumber(text);
            QVERIFY2(std::abs(back - v) <= 1e-14 * std::abs(v), text.c_str());
            QVERIFY(readNumberStrict(text).has_value());
        }
    }
};

QTEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
