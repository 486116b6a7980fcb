// The Newton's rings window: a computation from the inputs to the picture,
// the tint's wavelength, panning and centring, and inputs that give no picture.
#include "NewtonReference.h"
#include "TestForms.h"
#include "canvas/Canvas.h"
#include "core/Numbers.h"
#include "waves/newton/NewtonRings.h"
#include "waves/newton/NewtonScene.h"
#include "waves/newton/Unit7.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {

bool waitIdle(int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (Form7->isBusy() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
    return !Form7->isBusy();
}

void setInputs(const QString &Rc, const QString &a, const QString &h, const QString &lambda) {
    Form7->Edit1->setText(Rc);
    Form7->Edit2->setText(a);
    Form7->Edit3->setText(h);
    Form7->Edit4->setText(lambda);
}

QImage expectedPicture(const NewtonInputs &in, bool coloured, int tintWavelength) {
    const std::vector<int> levels = computeNewtonRings(in);
    const int n = int(levels.size());
    QImage img(2 * n, 2 * n, QImage::Format_RGB32);
    img.fill(Qt::black);
    Canvas c(img);
    drawNewtonRings(c, levels, coloured, wavelengthToRgb(tintWavelength));
    return img;
}

} // namespace

class TestNewtonWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form7->Show();
        Form7->PageControl1->setCurrentIndex(1);
        pumpFor(50);
    }

    void init() {
        setInputs("10", "0.01", "0.000035", "500");
        Form7->CheckBox1->setChecked(true);
    }

    void cleanup() {
        if (Form7->MessageBox1) Form7->MessageBox1->close();
        QApplication::processEvents();
    }

    void defaultsPanVertically() {
        Form7->Button1->click();
        QVERIFY(waitIdle());
        QCOMPARE(Form7->RingCount, 285);
        QCOMPARE(Form7->Image1->Bitmap.size(), QSize(570, 570));
        QVERIFY(Form7->Button1->isEnabled() && Form7->Panel2->isEnabled());
        QVERIFY(!Form7->ProgressBar1->isVisible());
        QCOMPARE(Form7->Image1->Bitmap, expectedPicture(NewtonInputs{}, true, 500));
        const int H = Form7->Panel1->height();
        QVERIFY(H < 570);
        const int centred = (H - 570) / 2;
        QCOMPARE(Form7->Image1->y(), centred);
        Form7->ScrollBar2->setValue(0); // the top of the picture
        QCOMPARE(Form7->Image1->y(), centred + 500 * (570 - H) / 1000);
        Form7->ScrollBar2->setValue(1000); // its bottom
        QCOMPARE(Form7->Image1->y(), centred - 500 * (570 - H) / 1000);
        // The picture's bottom meets the panel's (up to the halving's pixel).
        const int below = Form7->Image1->y() + 570 - H;
        QVERIFY2(below == 0 || below == 1, qPrintable(QString::number(below)));
        // A new computation puts the scroll bars back in the middle.
        Form7->Button1->click();
        QVERIFY(waitIdle());
        QCOMPARE(Form7->ScrollBar2->value(), 500);
        QCOMPARE(Form7->Image1->y(), centred);
    }

    void fractionalWavelengthTintsWithDefault() {
        setInputs("10", "0.01", "0.000035", "500.5");
        Form7->Button1->click();
        QVERIFY(waitIdle());
        NewtonInputs in;
        in.wavelength = 500.5L;
        // Computed with 500.5 nm (the profile differs from 500 nm's), tinted as 500 nm.
        QVERIFY(computeNewtonRings(in) != computeNewtonRings(NewtonInputs{}));
        QCOMPARE(Form7->Image1->Bitmap, expectedPicture(in, true, 500));
    }

    void greyWithoutColour() {
        Form7->CheckBox1->setChecked(false);
        Form7->Button1->click();
        QVERIFY(waitIdle());
        QCOMPARE(Form7->Image1->Bitmap, expectedPicture(NewtonInputs{}, false, 500));
    }

    // Inputs read leniently and held in extended precision: the picture is
    // the straightforward computation's for the numbers the texts begin with.
    void lenientExtendedInputs_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<int>("rings");
        QTest::newRow("0.01 / 0.00005") << QStringList{"10", "0.01", "0.00005", "500"}
                                        << QStringList{"10", "0.01", "0.00005", "500"} << 200;
        QTest::newRow("0.0149 / 0.00005") << QStringList{"10", "0.0149", "0.00005", "500"}
                                          << QStringList{"10", "0.0149", "0.00005", "500"} << 298;
        QTest::newRow("trailing letters") << QStringList{" 10abc", "0.01m", "3.5e-5x", "600nm"}
                                          << QStringList{"10", "0.01", "3.5e-5", "600"} << 285;
    }
    void lenientExtendedInputs() {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, numbers);
        QFETCH(int, rings);
        setInputs(texts[0], texts[1], texts[2], texts[3]);
        Form7->Button1->click();
        QVERIFY(waitIdle());
        QVERIFY(!Form7->MessageBox1);
        QCOMPARE(Form7->RingCount, rings);
        QCOMPARE(Form7->Image1->Bitmap.size(), QSize(2 * rings, 2 * rings));
        const std::vector<int> levels =
            newtonReference(numbers[0].toStdString(), numbers[1].toStdString(),
                            numbers[2].toStdString(), numbers[3].toStdString());
        QImage img(2 * rings, 2 * rings, QImage::Format_RGB32);
        img.fill(Qt::black);
        Canvas c(img);
        // The tint reads the wavelength as a whole number, 500 when it is not.
        const int tint = readInteger(texts[3].toStdString()).value_or(500);
        drawNewtonRings(c, levels, true, wavelengthToRgb(tint));
        QCOMPARE(Form7->Image1->Bitmap, img);
    }

    void smallPictureIsCentred() {
        setInputs("10", "0.001", "0.000035", "600");
        Form7->Button1->click();
        QVERIFY(waitIdle());
        QCOMPARE(Form7->Image1->Bitmap.size(), QSize(56, 56));
        const QPoint centred((Form7->Panel1->width() - 56) / 2, (Form7->Panel1->height() - 56) / 2);
        QCOMPARE(Form7->Image1->pos(), centred);
        Form7->ScrollBar1->setValue(0);
        Form7->ScrollBar2->setValue(1000);
        QCOMPARE(Form7->Image1->pos(), centred);
    }

    void inputsWithoutPicture_data() {
        QTest::addColumn<QString>("Rc");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("lambda");
        QTest::newRow("not a number") << "10"
                                      << "0.01"
                                      << "abc"
                                      << "500";
        QTest::newRow("curvature squared overflows") << "1e3000"
                                                     << "0.01"
                                                     << "0.000035"
                                                     << "500";
        QTest::newRow("comma as the point") << "10"
                                            << "0,01"
                                            << "0.000035"
                                            << "500";
        QTest::newRow("empty") << ""
                               << "0.01"
                               << "0.000035"
                               << "500";
        QTest::newRow("zero step") << "10"
                                   << "0.01"
                                   << "0"
                                   << "500";
        QTest::newRow("negative step") << "10"
                                       << "0.01"
                                       << "-0.000035"
                                       << "500";
        QTest::newRow("radius below step") << "10"
                                           << "0.00001"
                                           << "0.000035"
                                           << "500";
        QTest::newRow("curvature below radius") << "0.001"
                                                << "0.01"
                                                << "0.000035"
                                                << "500";
        QTest::newRow("zero wavelength") << "10"
                                         << "0.01"
                                         << "0.000035"
                                         << "0";
        QTest::newRow("step in millions") << "10"
                                          << "1"
                                          << "0.0000001"
                                          << "500";
    }
    void inputsWithoutPicture() {
        QFETCH(QString, Rc);
        QFETCH(QString, a);
        QFETCH(QString, h);
        QFETCH(QString, lambda);
        const QImage before = Form7->Image1->Bitmap;
        setInputs(Rc, a, h, lambda);
        Form7->Button1->click();
        QVERIFY(!Form7->isBusy());
        QVERIFY(Form7->MessageBox1);
        QVERIFY(!Form7->MessageBox1->text().isEmpty());
        QCOMPARE(Form7->Image1->Bitmap, before);
        QVERIFY(Form7->Button1->isEnabled());
    }
};

QTEST_MAIN(TestNewtonWindow)
#include "tst_newton_window.moc"
