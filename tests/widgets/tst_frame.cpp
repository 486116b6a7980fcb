// The demonstration frame: creation, show, close with fade, Esc, resize.
#include "TestForms.h"
#include "atomic/xray/U_main.h"
#include "geometric/lens/Unit3.h"
#include "geometric/prism/Unit4.h"
#include "shell/Unit1.h"
#include "waves/diffraction/Unit13.h"
#include "waves/spectrometer/Unit8.h"

#include <QSignalSpy>

class TestFrame : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void creationOrderAndHiddenState() {
        const char *const *order = formCreationOrder();
        QCOMPARE(formCount(), 18);
        QList<QWidget *> tops;
        for (QWidget *w : QApplication::topLevelWidgets())
            tops.append(w);
        // Every class of the order exists exactly once and is hidden.
        for (int i = 0; i < formCount(); ++i) {
            int found = 0;
            for (QWidget *w : tops)
                if (qstrcmp(w->metaObject()->className(), order[i]) == 0) {
                    ++found;
                    QVERIFY2(w->isHidden(), order[i]);
                }
            QCOMPARE(found, 1);
        }
        QCOMPARE(QString::fromLatin1(order[0]), QStringLiteral("TForm1"));
        QCOMPARE(QString::fromLatin1(order[17]), QStringLiteral("Tform_Main"));
    }

    void clientSizes_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QSize>("outer");
        QTest::newRow("lens") << "TForm3" << QSize(599, 374);
        QTest::newRow("spectrometer") << "TForm8" << QSize(691, 517);
        QTest::newRow("interference") << "TForm12" << QSize(552, 502);
        QTest::newRow("xray") << "Tform_Main" << QSize(766, 501);
    }
    void clientSizes() {
        QFETCH(QString, cls);
        QFETCH(QSize, outer);
        QWidget *w = windowOfClass(cls.toLatin1().constData());
        QVERIFY(w);
        QCOMPARE(w->size(), outer - QSize(8, 27));
    }

    void fixedWidthOfReadingPage() {
        QCOMPARE(Form13->minimumWidth(), 532);
        QCOMPARE(Form13->maximumWidth(), 532);
        QVERIFY(Form13->maximumHeight() > 1000);
    }

    void buttonShowsOnceAndRaises() {
        clickLauncherButton("SpeedButton1");
        QVERIFY(Form3->isVisible());
        int visible = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qstrcmp(w->metaObject()->className(), "TForm3") == 0 && w->isVisible()) ++visible;
        QCOMPARE(visible, 1);
        clickLauncherButton("SpeedButton1");
        QVERIFY(Form3->isVisible());
        Form3->HideNow();
    }

    void closeFadesThenHidesAndKeepsState() {
        Form8->Show();
        Form8->setProperty("probe", 42);
        QSignalSpy faded(Form8, &TDemoForm::faded);
        Form8->close();
        QVERIFY(Form8->isVisible()); // still fading
        QVERIFY(Form8->isFading());
        pumpFor(300);
        QVERIFY(Form8->isVisible());
        QVERIFY(faded.wait(1000));
        QVERIFY(Form8->isHidden());
        QCOMPARE(Form8->windowOpacity(), 1.0);
        Form8->Show();
        QCOMPARE(Form8->property("probe").toInt(), 42);
        Form8->HideNow();
    }

    void xrayWindowHidesWithoutFade() {
        form_Main->Show();
        form_Main->close();
        QVERIFY(form_Main->isHidden());
        QCOMPARE(form_Main->minimumSize(), QSize(492, 323));
    }

    void escHidesLensWithoutFade() {
        Form3->Show();
        QTest::keyClick(Form3->Image1, Qt::Key_Escape);
        QVERIFY(Form3->isHidden());
        clickLauncherButton("SpeedButton1");
        QVERIFY(Form3->isVisible());
        Form3->HideNow();
    }

    // Esc hides a window with key preview wherever the focus is, the page
    // tabs included, and Enter stops at the window too.
    void escHidesWhereverTheFocusIs_data() {
        QTest::addColumn<QString>("className");
        QTest::newRow("lens") << "TForm3";
        QTest::newRow("prism") << "TForm4";
    }
    void escHidesWhereverTheFocusIs() {
        QFETCH(QString, className);
        auto *form = qobject_cast<TDemoForm *>(windowOfClass(className.toLatin1().constData()));
        QVERIFY(form);
        form->Show();
        QList<QWidget *> targets{form};
        for (QWidget *w : form->findChildren<QWidget *>())
            if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(form)) targets << w;
        QVERIFY(targets.size() > 2);
        for (QWidget *target : targets) {
            form->Show();
            QApplication::setActiveWindow(form);
            target->setFocus();
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus && focus->window() == form);
            const QString name = QString::fromLatin1(focus->metaObject()->className());
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_Return, QChar(13), Qt::NoModifier);
            QVERIFY2(form->isVisible(), qPrintable(name));
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_Escape, QChar(27), Qt::NoModifier);
            QVERIFY2(form->isHidden(), qPrintable(name));
        }
    }

    void deferredRedrawOnceAfterLastResize() {
        Form8->Show();
        pumpFor(700);
        int redraws = 0;
        auto old = Form8->surface->redraw;
        Form8->surface->redraw = [&] { ++redraws; };
        for (int i = 0; i < 5; ++i) {
            Form8->resize(Form8->width() + 10, Form8->height() + 5);
            pumpFor(100);
        }
        QCOMPARE(redraws, 0);
        pumpFor(300);
        QCOMPARE(redraws, 0); // 400 ms after the last resize
        pumpFor(250);
        QCOMPARE(redraws, 1);
        pumpFor(600);
        QCOMPARE(redraws, 1);
        Form8->surface->redraw = old;
        Form8->HideNow();
    }

    void bitmapFollowsDrawingArea() {
        Form3->Show();
        Form3->resize(700, 420);
        pumpFor(20);
        QCOMPARE(Form3->Image1->Bitmap.size(), Form3->Image1->size());
        Form4->Show();
        Form4->resize(650, 420);
        pumpFor(20);
        QCOMPARE(Form4->Image1->Bitmap.size(), Form4->Panel1->size());
        QCOMPARE(Form4->Panel1->size(), Form4->Image1->size() + QSize(2, 2));
        Form3->HideNow();
        Form4->HideNow();
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
