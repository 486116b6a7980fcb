// Reading the spectra file: sections and keys, defaults, the source colour,
// the brightness lookup, and text that is not what it should be.
#include "waves/spectrometer/SpectrumIni.h"

#include <QTest>

Q_DECLARE_METATYPE(std::string)

namespace {
QStringList titles(const char *text) {
    QStringList out;
    for (const std::string &t : readSpectrumTitles(IniFile(text)))
        out << QString::fromStdString(t);
    return out;
}
} // namespace

class TestSpectrumIni : public QObject {
    Q_OBJECT
  private slots:
    void sourceList_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two titles")
            << "[Spectrum]\nCount=2\n[Spectrum_1]\nTitle=A\n[Spectrum_2]\nTitle=B\n"
            << QStringList{"A", "B"};
        QTest::newRow("missing title") << "[Spectrum]\nCount=2\n[Spectrum_2]\nTitle=B\n"
                                       << QStringList{"Unknown", "B"};
        QTest::newRow("no count") << "[Spectrum_1]\nTitle=A\n" << QStringList{};
        QTest::newRow("negative count") << "[Spectrum]\nCount=-3\n" << QStringList{};
        QTest::newRow("empty file") << "" << QStringList{};
        QTest::newRow("case and blanks")
            << "  [ spectrum ]  \r\n count = 1 \r\n[SPECTRUM_1]\r\nTITLE = Неон \r\n"
            << QStringList{"Неон"};
        QTest::newRow("byte-order mark")
            << "\xEF\xBB\xBF[Spectrum]\nCount=1\n[Spectrum_1]\nTitle=A\n"
            << QStringList{"A"};
        QTest::newRow("malformed lines ignored")
            << "garbage\n[Spectrum\nCount=5\n[Spectrum]\n=7\nno "
               "equals\nCount=1x\n[Spectrum_1]\nTitle=A=B\n"
            << QStringList{"A=B"};
        QTest::newRow("first key wins")
            << "[Spectrum]\nCount=1\nCount=3\n[Spectrum_1]\nTitle=A\nTitle=Z\n"
            << QStringList{"A"};
    }
    void sourceList() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(titles(text.toUtf8().constData()), expected);
    }

    void hugeCountIsBounded() {
        QCOMPARE(int(readSpectrumTitles(IniFile("[Spectrum]\nCount=99999999999\n")).size()),
                 kMaxSpectra);
        const SpectrumSource s =
            readSpectrumSource(IniFile("[Spectrum_1]\nRange_count=2147483647\n"), 1);
        QCOMPARE(int(s.ranges.size()), kMaxRanges);
    }

    // Hundreds of thousands of sections and a source with every range it may
    // have: read whole, and in linear time (the test's time-out is a few
    // seconds of work here, hours for a search per header or key).
    void largeFileReadsWhole() {
        constexpr int kSections = 300000;
        std::string text;
        text.reserve(std::size_t(kSections) * 36);
        for (int n = kSections; n >= 1; --n)
            text += "[Spectrum_" + std::to_string(n) + "]\nTitle=T" + std::to_string(n) + "\n";
        text += "[spectrum_7]\nRange_count=" + std::to_string(kMaxRanges) + "\n";
        for (int k = 1; k <= kMaxRanges; ++k) {
            const std::string i = std::to_string(k);
            text += "Begin_range_" + i + "=" + i + "\nEnd_range_" + i + "=" + i +
                    "\nBrightness_range_" + i + "_l1=1\nBrightness_range_" + i + "_l2=2\n";
        }
        text += "[SPECTRUM]\nCount=" + std::to_string(kSections) + "\n";
        const IniFile ini(text);
        const std::vector<std::string> titles = readSpectrumTitles(ini);
        QCOMPARE(int(titles.size()), kMaxSpectra);
        QCOMPARE(titles.back(), "T" + std::to_string(kMaxSpectra));
        const SpectrumSource seven = readSpectrumSource(ini, 7);
        QCOMPARE(int(seven.ranges.size()), kMaxRanges);
        QCOMPARE(seven.ranges.back().end, kMaxRanges);
        QCOMPARE(seven.ranges.back().secondOrder, 2);
        QVERIFY(ini.hasSection("Spectrum_" + std::to_string(kSections)));
    }

    void sourceColour_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("expected");
        QTest::newRow("red") << "000000FF" << 0x000000FFu;
        QTest::newRow("blue, lower case") << "00ff0000" << 0x00FF0000u;
        QTest::newRow("white") << "00FFFFFF" << 0x00FFFFFFu;
        QTest::newRow("six digits leave white") << "FFFFFF" << 0x00FFFFFFu;
        QTest::newRow("nine digits leave white") << "000000FF0" << 0x00FFFFFFu;
        QTest::newRow("empty") << "" << 0x00FFFFFFu;
        QTest::newRow("bad green pair stops") << "0000ZZ00" << 0x00FFFF00u;
        QTest::newRow("bad high byte keeps the rest") << "XX123456" << 0x00123456u;
        QTest::newRow("bad red pair: all white") << "0000000G" << 0x00FFFFFFu;
    }
    void sourceColour() {
        QFETCH(QString, text);
        QFETCH(uint, expected);
        QCOMPARE(uint(decodeSourceColour(text.toStdString())), expected);
    }

    void readingASource() {
        const IniFile ini("[Spectrum_1]\nRange_count=2\nSource_color=000000FF\n"
                          "Begin_range_1=500\nEnd_range_1=510\nBrightness_range_1_l1=40\n"
                          "Begin_range_2=600\n"
                          "[Spectrum_2]\nRange_count=0\nSource_color=000000FF\n");
        const SpectrumSource one = readSpectrumSource(ini, 1);
        QCOMPARE(one.colour, 0x000000FFu);
        QCOMPARE(int(one.ranges.size()), 2);
        QCOMPARE(one.ranges[0].begin, 500);
        QCOMPARE(one.ranges[0].end, 510);
        QCOMPARE(one.ranges[0].firstOrder, 40);
        QCOMPARE(one.ranges[0].secondOrder, 100); // missing: default
        QCOMPARE(one.ranges[1].begin, 600);
        QCOMPARE(one.ranges[1].end, 0);
        // No ranges: the colour is not read, the source is white.
        const SpectrumSource two = readSpectrumSource(ini, 2);
        QVERIFY(two.ranges.empty());
        QCOMPARE(two.colour, kWhiteColourNumber);
        // A section that is not there.
        QVERIFY(readSpectrumSource(ini, 7).ranges.empty());
    }

    void brightness_data() {
        QTest::addColumn<bool>("white");
        QTest::addColumn<int>("lambda");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("expected");
        QTest::newRow("white, first order") << true << 600 << 1 << 100;
        QTest::newRow("white, second order") << true << 600 << 2 << 70;
        QTest::newRow("inside range 1") << false << 505 << 1 << 40;
        QTest::newRow("overlap: smaller k wins") << false << 510 << 1 << 40;
        QTest::newRow("range 2 alone") << false << 515 << 2 << 7;
        QTest::newRow("outside all") << false << 700 << 1 << 0;
        QTest::newRow("negative begin never matches") << false << 430 << 1 << 0;
    }
    void brightness() {
        QFETCH(bool, white);
        QFETCH(int, lambda);
        QFETCH(int, order);
        QFETCH(int, expected);
        SpectrumSource s;
        s.ranges = {{500, 510, 40, 20}, {505, 520, 90, 7}, {-5, 450, 30, 30}};
        QCOMPARE(spectrumBrightness(s, white, lambda, order), expected);
    }

    void integers_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "42" << 42;
        QTest::newRow("trailing text") << "12abc" << 12;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("negative") << "-7" << -7;
        QTest::newRow("too large saturates") << "123456789012345" << INT_MAX;
        QTest::newRow("too small saturates") << "-123456789012345" << INT_MIN;
    }
    void integers() {
        QFETCH(QString, value);
        QFETCH(int, expected);
        const IniFile ini(("[S]\nK=" + value + "\n").toStdString());
        QCOMPARE(ini.readInteger("S", "K", 99), expected);
        QCOMPARE(ini.readInteger("S", "Missing", 99), 99);
    }
};

QTEST_APPLESS_MAIN(TestSpectrumIni)
#include "tst_spectrum_ini.moc"
