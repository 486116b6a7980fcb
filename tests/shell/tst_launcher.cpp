// The launcher: its controls as laid out, its actions, the exit path.
#include "TestForms.h"
#include "shell/Help.h"
#include "shell/Unit1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>

class TestLauncher : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void window() {
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Демонстрации"));
        QCOMPARE(Form1->size(), QSize(329, 573));
        QVERIFY(!(Form1->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!Form1->Image1->Bitmap.isNull());
        QCOMPARE(Form1->Image1->Bitmap.size(), QSize(256, 512));
        QCOMPARE(Form1->Image1->geometry(), QRect(0, 0, 329, 573));
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("colour");
        QTest::newRow("mirror") << "SpeedButton5" << 104
                                << "Отражение света. Построение изображения в зеркале."
                                << "#008000";
        QTest::newRow("lens") << "SpeedButton1" << 176 << "Построение изображения в линзе"
                              << "#008000";
        QTest::newRow("xray") << "SpeedButton19" << 488 << "Рентгеновские спектры"
                              << "#008000";
        QTest::newRow("help") << "SpeedButton16" << 520 << "Справка по программе"
                              << "#800000";
        QTest::newRow("exit") << "SpeedButton3" << 544 << "Выход из программы"
                              << "#ff0000";
    }
    void buttons() {
        QFETCH(QString, name);
        QFETCH(int, top);
        QFETCH(QString, caption);
        QFETCH(QString, colour);
        auto *b = Form1->findChild<TSpeedButton *>(name);
        QVERIFY(b);
        QCOMPARE(b->geometry(), QRect(16, top, 297, 22));
        QCOMPARE(b->text(), caption);
        QVERIFY(b->styleSheet().contains(colour));
        QVERIFY(b->font().underline());
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    }

    void buttonTopsAreInScreenOrder() {
        const QList<TSpeedButton *> all = Form1->findChildren<TSpeedButton *>();
        QCOMPARE(all.size(), 19);
        QSet<int> tops;
        for (TSpeedButton *b : all)
            tops.insert(b->y());
        QCOMPARE(tops.size(), 19);
    }

    void labels() {
        QCOMPARE(Form1->Label1->geometry(), QRect(16, 0, 297, 16));
        QCOMPARE(Form1->Label2->geometry(), QRect(16, 16, 297, 20));
        QVERIFY(Form1->Label2->font().bold() && Form1->Label2->font().italic());
        QCOMPARE(Form1->Label2->font().pixelSize(), 16);
        QVERIFY(Form1->Label3->font().underline());
        QCOMPARE(Form1->Label4->cursor().shape(), Qt::PointingHandCursor);
    }

    void everyDemonstrationButtonShowsItsWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("cls");
        const char *rows[][2] = {{"SpeedButton5", "TForm5"},     {"SpeedButton4", "TForm2"},
                                 {"SpeedButton7", "TForm6"},     {"SpeedButton1", "TForm3"},
                                 {"SpeedButton15", "TForm15"},   {"SpeedButton2", "TForm4"},
                                 {"SpeedButton11", "TForm12"},   {"SpeedButton12", "TForm7"},
                                 {"SpeedButton13", "TForm13"},   {"SpeedButton9", "TForm9"},
                                 {"SpeedButton8", "TForm10"},    {"SpeedButton6", "TForm8"},
                                 {"SpeedButton10", "TForm11"},   {"SpeedButton17", "TForm16"},
                                 {"SpeedButton14", "TForm14"},   {"SpeedButton18", "TForm51"},
                                 {"SpeedButton19", "Tform_Main"}};
        for (auto &r : rows)
            QTest::newRow(r[1]) << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]);
    }
    void everyDemonstrationButtonShowsItsWindow() {
        QFETCH(QString, button);
        QFETCH(QString, cls);
        QWidget *w = windowOfClass(cls.toLatin1().constData());
        QVERIFY(w && w->isHidden());
        Form1->findChild<TSpeedButton *>(button)->click();
        QVERIFY(w->isVisible());
        w->hide();
    }

    void helpFileLiesNextToTheProgram() {
        // Start-up makes the program's folder current, so the bare name is found.
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QVERIFY(QFileInfo(TForm1::kHelpFile).size() > 0);
    }

    void missingHelpFileStillShowsHelp() {
        openHelp(Form1, QStringLiteral("no-such-help.chm"));
        QVERIFY(helpWindow()->isVisible());
        helpWindow()->hide();
    }

    void helpFallsBackToOwnWindow() {
        // No desktop handler for .chm files here: our own window shows the pages.
        if (desktopOpensChm()) QSKIP("this machine opens .chm files");
        Form1->SpeedButton16Click();
        THelpWindow *h = helpWindow();
        QVERIFY(h->isVisible());
        QVERIFY(h->Contents->count() >= 1);
        QVERIFY(!h->Page->toPlainText().isEmpty());
        h->hide();
    }

    void helpContentsShowWhole() {
        // Windows shown by earlier cases may still raise their message boxes.
        QTimer dismiss;
        connect(&dismiss, &QTimer::timeout, [] {
            if (QWidget *m = QApplication::activeModalWidget()) m->close();
        });
        dismiss.start(10);
        THelpWindow *h = helpWindow();
        h->show();
        pumpFor(50);
        QListWidget *list = h->Contents;
        QVERIFY(list->count() > 10);
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem *item = list->item(i);
            const int textWidth = list->fontMetrics().horizontalAdvance(item->text());
            QVERIFY2(textWidth <= list->viewport()->width(), qPrintable(item->text()));
        }
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        // The page keeps most of the window.
        QVERIFY(h->Page->width() > list->width());
        h->hide();
    }

    void exitEndsWithCodeZeroAfterFade() {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/exit_helper"), {});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(t.elapsed() >= 500);
    }

    // The launcher is painted before the other windows are created, and
    // start-up ends with all of them there, hidden.
    void startUpShowsTheLauncherFirst() {
        QProcess p;
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/exit_helper"),
                {QStringLiteral("start")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
    }

    void closingTheLauncherEndsTheProgram() {
        QProcess p;
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/exit_helper"),
                {QStringLiteral("close")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }
};

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
