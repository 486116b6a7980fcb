// The spectrometer window: the source list from the spectra file, choosing
// a source, the orders, the redraw after resizing, a missing file.
#include "TestForms.h"
#include "waves/spectrometer/SpectrometerScene.h"
#include "waves/spectrometer/Unit8.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {
QString writeFile(const QTemporaryDir &dir, const char *text) {
    const QString path = dir.filePath(QStringLiteral("spectrum.ini"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return path;
}

QStringList items(const QComboBox *box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

int screenX() {
    return Form8->Image1->width() - 75 + 20;
}
} // namespace

class TestSpectrometerWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form8->Show();
        Form8->PageControl1->setCurrentIndex(1);
        pumpFor(50);
    }

    void firstShowDrawsAtOnce() {
        // Well before the resize timer: the picture of the laid-out page.
        QCOMPARE(Form8->Image1->Bitmap.size(), Form8->Panel1->size());
        QVERIFY(Form8->Panel1->width() > 600);
        QCOMPARE(Form8->Image1->Bitmap.pixel(5, 5) & 0xFFFFFF,
                 0u); // background, not a blank bitmap
        QCOMPARE(Form8->Image1->Bitmap.pixel(screenX(), Form8->Image1->height() / 2) & 0xFFFFFF,
                 0xFFFFFFu);
    }

    void shippedFileListsAtoms() {
        // The file next to the executable: white light and several atoms.
        QCOMPARE(Form8->ComboBox1->itemText(0), QStringLiteral("Белый"));
        QVERIFY(Form8->ComboBox1->count() >= 6);
    }

    void choosingASourceReadsItsSection() {
        QTemporaryDir dir;
        const QString path = writeFile(
            dir, "[Spectrum]\nCount=2\n"
                 "[Spectrum_1]\nTitle=A\nRange_count=1\nBegin_range_1=450\nEnd_range_1=450\n"
                 "[Spectrum_2]\nTitle=B\nRange_count=1\nSource_color=000000FF\n"
                 "Begin_range_1=600\nEnd_range_1=600\nBrightness_range_1_l2=0\n");
        Form8->OpenSpectra(path);
        QCOMPARE(items(Form8->ComboBox1), (QStringList{"Белый", "A", "B"}));
        Form8->ComboBox1->setCurrentIndex(2);
        QCOMPARE(int(Form8->Source.ranges.size()), 1);
        QCOMPARE(Form8->Source.ranges[0].begin, 600);
        QCOMPARE(Form8->SourceColor, 0x000000FFu);
        // The zeroth order in the source's red, one first-order line pair.
        const QImage &img = Form8->Image1->Bitmap;
        const int a = Form8->Image1->height() / 2;
        QCOMPARE(img.pixel(screenX(), a) & 0xFFFFFF, 0xFF0000u);
        const float K = spectralOffset(Form8->Image1->width(), 1, 600);
        QVERIFY((img.pixel(screenX(), static_cast<int>(float(a) - K)) & 0xFFFFFF) != 0);
        QVERIFY((img.pixel(screenX(), static_cast<int>(float(a) + K)) & 0xFFFFFF) != 0);
        // Ranges are read when chosen: the file may change in between.
        writeFile(dir, "[Spectrum_2]\nTitle=B\nRange_count=0\n");
        Form8->ComboBox1->setCurrentIndex(1);
        Form8->ComboBox1->setCurrentIndex(2);
        QVERIFY(Form8->Source.ranges.empty());
        QCOMPARE(Form8->SourceColor, kWhiteColourNumber);
        QCOMPARE(items(Form8->ComboBox1), (QStringList{"Белый", "A", "B"}));
    }

    void missingFileLeavesWhite() {
        QTemporaryDir dir;
        Form8->OpenSpectra(dir.filePath(QStringLiteral("nothing.ini")));
        QCOMPARE(items(Form8->ComboBox1), QStringList{"Белый"});
        Form8->CheckBox1Click();
        QCOMPARE(Form8->Image1->Bitmap.pixel(screenX(), Form8->Image1->height() / 2) & 0xFFFFFF,
                 0xFFFFFFu);
    }

    void ordersSetTheProgressMaximum() {
        Form8->CheckBox1->setChecked(false);
        Form8->CheckBox2->setChecked(false);
        Form8->CheckBox3->setChecked(false);
        QCOMPARE(Form8->ProgressBar1->maximum(), 0);
        // An empty track, not an endless busy animation.
        const QImage bar = Form8->ProgressBar1->grab().toImage();
        pumpFor(300);
        QCOMPARE(Form8->ProgressBar1->grab().toImage(), bar);
        Form8->CheckBox3->setChecked(true);
        QCOMPARE(Form8->ProgressBar1->maximum(), 378);
        QCOMPARE(Form8->ProgressBar1->value(), 378);
        Form8->CheckBox1->setChecked(true);
        Form8->CheckBox2->setChecked(true);
        QCOMPARE(Form8->ProgressBar1->maximum(), 17 + 2 * 378);
        Form8->CheckBox3->setChecked(false);
    }

    void resizeRedrawsOnceLater() {
        int draws = 0;
        auto counter = connect(Form8->ProgressBar1, &QProgressBar::valueChanged, this, [&](int v) {
            if (v == 0) ++draws;
        });
        Form8->ProgressBar1->setValue(5);
        const QSize start = Form8->size();
        for (int i = 1; i <= 5; ++i) {
            Form8->resize(start + QSize(10 * i, 8 * i));
            QApplication::processEvents();
        }
        QVERIFY(Form8->Timer1->isActive());
        QCOMPARE(draws, 0);
        QCOMPARE(Form8->Image1->Bitmap.size(), Form8->Panel1->size());
        pumpFor(700);
        QCOMPARE(draws, 1);
        QVERIFY(!Form8->Timer1->isActive());
        // The zeroth order now sits on the new screen.
        QCOMPARE(Form8->Image1->Bitmap.pixel(screenX(), Form8->Image1->height() / 2) & 0xFFFFFF,
                 0xFFFFFFu);
        disconnect(counter);
        Form8->resize(start);
        pumpFor(700);
    }
};

QTEST_MAIN(TestSpectrometerWindow)
#include "tst_spectrometer_window.moc"
