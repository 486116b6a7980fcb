// The localised-resource picker: a file's copy in the language that runs,
// where there is one, else the file itself.
#include "widgets/Localised.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLocalised : public QObject {
    Q_OBJECT
    QTemporaryDir disk;

  private slots:
    void initTestCase() {
        QVERIFY(disk.isValid());
        const QDir d(disk.path());
        QVERIFY(d.mkpath(QStringLiteral("en/folder.chm")));
        for (const char *name : {"Lumivista.chm", "en/Lumivista.chm", "folder.chm"}) {
            QFile f(d.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }

    void picksTheCopy_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("picked");
        const QString chm = disk.filePath(QStringLiteral("Lumivista.chm"));
        const QString folder = disk.filePath(QStringLiteral("folder.chm"));
        QTest::newRow("russian: the original") << ""
                                               << ":/prism/spectrometer.png"
                                               << ":/prism/spectrometer.png";
        QTest::newRow("english picture") << "en"
                                         << ":/prism/spectrometer.png"
                                         << ":/prism/en/spectrometer.png";
        QTest::newRow("english, no copy") << "en"
                                          << ":/prism/lamp.png"
                                          << ":/prism/lamp.png";
        QTest::newRow("english help contents") << "en"
                                               << ":/help/contents.txt"
                                               << ":/help/en/contents.txt";
        QTest::newRow("english file on disk")
            << "en" << chm << disk.filePath(QStringLiteral("en/Lumivista.chm"));
        QTest::newRow("a folder is no copy") << "en" << folder << folder;
        QTest::newRow("missing file") << "en"
                                      << "/nonexistent/Lumivista.chm"
                                      << "/nonexistent/Lumivista.chm";
    }
    void picksTheCopy() {
        QFETCH(QString, language);
        QFETCH(QString, path);
        QFETCH(QString, picked);
        setResourceLanguage(language);
        QCOMPARE(resourceLanguage(), language);
        QCOMPARE(localisedResource(path), picked);
    }
};

QTEST_MAIN(TestLocalised)
#include "tst_localised.moc"
