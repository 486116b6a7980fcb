// The Huygens window driven like a user: the inputs panel, the black picture
// until a double-click, ticks that read the controls, the end of time, and
// closing that stops the animation and blanks the picture.
#include "TestForms.h"
#include "geometric/huygens/Unit15.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Surface.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

bool blank(const QImage &image, QRect part) {
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0) return false;
    return true;
}

QRect shown() {
    return QRect(0, 0, Form15->Image1->width(), Form15->Image1->height());
}

void ticks(int n) {
    for (int i = 0; i < n; ++i)
        Form15->Timer1Timer();
}

} // namespace

class TestHuygensWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        QVERIFY(!Form15->Timer1->isActive());
        // The bitmap is made on the first show, at its full size.
        QVERIFY(Form15->Image1->Bitmap.isNull());
        Form15->Show();
        pumpFor(50);
        QCOMPARE(Form15->Image1->Bitmap.size(), QSize(1600, 1200));
        QVERIFY(blank(Form15->Image1->Bitmap, Form15->Image1->Bitmap.rect()));
    }

    void init() {
        if (!Form15->isVisible()) Form15->Show();
        Form15->resize(705, 549);
        Form15->CSafeSpinEdit1->setValue(30);
        Form15->CSafeSpinEdit2->setValue(10);
        Form15->CSafeSpinEdit3->setValue(100);
        Form15->Edit1->setText(QStringLiteral("1.3"));
        Form15->Edit2->setText(QStringLiteral("1.3"));
    }

    void controlsAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Panel1") << "Panel1" << QRect(520, 8, 177, 145);
        QTest::newRow("Panel2") << "Panel2" << QRect(0, 0, 705, 549);
        QTest::newRow("Image1") << "Image1" << QRect(0, 0, 705, 549);
        QTest::newRow("CSafeSpinEdit1") << "CSafeSpinEdit1" << QRect(112, 8, 57, 21);
        QTest::newRow("CSafeSpinEdit2") << "CSafeSpinEdit2" << QRect(112, 32, 57, 21);
        QTest::newRow("CSafeSpinEdit3") << "CSafeSpinEdit3" << QRect(112, 56, 57, 21);
        QTest::newRow("Edit1") << "Edit1" << QRect(112, 88, 56, 21);
        QTest::newRow("Edit2") << "Edit2" << QRect(112, 112, 56, 21);
    }
    void controlsAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto *w = Form15->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
    }

    void spinRangesAndTexts() {
        QCOMPARE(Form15->CSafeSpinEdit1->MaxValue, 89);
        QCOMPARE(Form15->CSafeSpinEdit3->MaxValue, 9999999);
        QCOMPARE(Form15->Label1->text(), QStringLiteral("Преломление 1:"));
        QCOMPARE(Form15->Label6->text(), QStringLiteral("Преломление 2:"));
        QVERIFY(Form15->Label1->font().bold() && Form15->Label6->font().bold());
        QCOMPARE(Form15->Label1->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        QCOMPARE(Form15->Label6->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
        QCOMPARE(Form15->Image1->Bitmap.size(), QSize(1600, 1200));
        // Captions end before their boxes.
        for (QLabel *l :
             {Form15->Label1, Form15->Label2, Form15->Label3, Form15->Label4, Form15->Label6})
            QVERIFY2(l->geometry().right() < 112, qPrintable(l->text()));
    }

    void doubleClickStartsFromZero() {
        Form15->Image1DblClick();
        QCOMPARE(Form15->t, 0);
        QVERIFY(Form15->Timer1->isActive());
        ticks(300);
        QCOMPARE(Form15->t, 300);
        QVERIFY(!blank(Form15->Image1->Bitmap, shown()));
        Form15->Image1DblClick();
        QCOMPARE(Form15->t, 0);
        QTRY_VERIFY(Form15->t > 2); // the real timer ticks
        Form15->t = 9999;
        ticks(3);
        QCOMPARE(Form15->t, 10000);
    }

    void ticksReadTheControls() {
        // Two indices: a red and a green beam in the plate.
        Form15->Edit2->setText(QStringLiteral("1.5"));
        Form15->t = 419;
        ticks(1);
        const QImage &img = Form15->Image1->Bitmap;
        int redOnly = 0, greenOnly = 0;
        for (int y = 180; y < 370; ++y)
            for (int x = 0; x < 705; ++x) {
                const QRgb c = img.pixel(x, y);
                redOnly += qRed(c) == 0xFF && qGreen(c) < 0x80;
                greenOnly += qGreen(c) == 0xFF && qRed(c) < 0x80;
            }
        QVERIFY(redOnly > 50 && greenOnly > 50);
    }

    void nonsenseInputsKeepTicking() {
        // Typed values are read as typed until the box loses the focus.
        Form15->CSafeSpinEdit2->setText(QStringLiteral("0"));
        Form15->CSafeSpinEdit1->setText(QStringLiteral("90"));
        Form15->CSafeSpinEdit3->setText(QStringLiteral("9999999"));
        Form15->Edit1->setText(QString());
        Form15->Edit2->setText(QStringLiteral("-3"));
        Form15->t = 5000;
        ticks(2);
        QCOMPARE(Form15->t, 5002);
        // A box cleared to type a new number stays empty while the ticks run
        // (they count it as the minimum).
        Form15->CSafeSpinEdit3->setText(QString());
        ticks(2);
        QCOMPARE(Form15->CSafeSpinEdit3->Text(), QString());
    }

    void inputsStayAtTheTopRightCorner() {
        Form15->resize(905, 649);
        QCOMPARE(Form15->Panel1->geometry(), QRect(720, 8, 177, 145));
        QCOMPARE(Form15->Image1->size(), QSize(905, 649));
        ticks(1);
        QCOMPARE(Form15->Image1->Bitmap.size(), QSize(1600, 1200));
    }

    void closingStopsAndBlanks() {
        Form15->Image1DblClick();
        ticks(300);
        QVERIFY(!blank(Form15->Image1->Bitmap, shown()));
        Form15->close();
        QVERIFY(!Form15->Timer1->isActive());
        QTRY_VERIFY(!Form15->isVisible());
        QVERIFY(blank(Form15->Image1->Bitmap, shown()));
        Form15->Show();
        QVERIFY(!Form15->Timer1->isActive());
        QVERIFY(blank(Form15->Image1->Bitmap, shown()));
    }
};

QTEST_MAIN(TestHuygensWindow)
#include "tst_huygens_window.moc"
