// Where the program finds its files: beside the executable in the build
// folder, in the installed data folder once installed, wherever the
// installed tree was put.
#include "widgets/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The install layout the build was configured with (relative to the prefix).
const QString kBinDir = QStringLiteral(LUMIVISTA_TEST_BINDIR);
const QString kDataDir = QStringLiteral(LUMIVISTA_TEST_DATADIR);

enum class Entry { None, File, Folder };

void make(const QString &path, Entry what) {
    if (what == Entry::Folder) QVERIFY(QDir().mkpath(path));
    if (what == Entry::File) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("data");
    }
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

  private slots:
    void findsTheFileInItsPlace_data() {
        QTest::addColumn<Entry>("beside");
        QTest::addColumn<Entry>("installed");
        QTest::addColumn<bool>("expectInstalled");
        QTest::newRow("build folder: beside the program") << Entry::File << Entry::None << false;
        QTest::newRow("installed: in the data folder") << Entry::None << Entry::File << true;
        QTest::newRow("both: the program's folder wins") << Entry::File << Entry::File << false;
        QTest::newRow("a folder of that name beside is not the file")
            << Entry::Folder << Entry::File << true;
        QTest::newRow("nowhere: the path beside the program")
            << Entry::None << Entry::None << false;
    }
    void findsTheFileInItsPlace() {
        QFETCH(Entry, beside);
        QFETCH(Entry, installed);
        QFETCH(bool, expectInstalled);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        const QString bin = prefix.filePath(kBinDir);
        const QString data = prefix.filePath(kDataDir);
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QDir().mkpath(data));
        make(bin + "/spectrum.ini", beside);
        make(data + "/spectrum.ini", installed);

        const QString found = findDataFile(QStringLiteral("spectrum.ini"), bin);
        const QString expected = (expectInstalled ? data : bin) + "/spectrum.ini";
        QCOMPARE(QFileInfo(found).absoluteFilePath(), QFileInfo(expected).absoluteFilePath());
        QCOMPARE(QFileInfo(found).isFile(), beside == Entry::File || installed == Entry::File);
    }

    void installedTreeMovesWhole() {
        // The data folder is found relative to the program, not at a fixed prefix.
        QTemporaryDir first, second;
        for (const QTemporaryDir *prefix : {&first, &second}) {
            QVERIFY(QDir().mkpath(prefix->filePath(kBinDir)));
            QVERIFY(QDir().mkpath(prefix->filePath(kDataDir)));
            make(prefix->filePath(kDataDir + "/newton.avi"), Entry::File);
        }
        for (const QTemporaryDir *prefix : {&first, &second}) {
            const QString found =
                findDataFile(QStringLiteral("newton.avi"), prefix->filePath(kBinDir));
            QVERIFY2(found.startsWith(prefix->path()), qPrintable(found));
            QVERIFY(QFileInfo(found).isFile());
        }
    }

    void foldersAreAbsoluteAndClean() {
        const QStringList folders = dataFolders(QStringLiteral("/opt/lv/") + kBinDir + "/");
        QCOMPARE(folders.size(), 2);
        QCOMPARE(folders[0], QDir::cleanPath(QStringLiteral("/opt/lv/") + kBinDir));
        QCOMPARE(folders[1], QDir::cleanPath(QStringLiteral("/opt/lv/") + kDataDir));
    }

    void thisProgramReportsEachLookup() {
        // The build puts the help file beside the executables.
        QLoggingCategory::setFilterRules(QStringLiteral("lumivista.files.debug=true"));
        const QString beside = QCoreApplication::applicationDirPath() + "/Lumivista.chm";
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Lumivista.chm found at " + beside));
        QCOMPARE(dataFilePath(QStringLiteral("Lumivista.chm")), beside);

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^no-such\\.file not found in .+, .+"));
        QVERIFY(!QFileInfo::exists(dataFilePath(QStringLiteral("no-such.file"))));
        QLoggingCategory::setFilterRules(QString());
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
