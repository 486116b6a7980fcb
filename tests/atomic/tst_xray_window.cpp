// The X-ray window driven like a user: element list, voltage, drawing,
// clearing, the wavelength marker, the hidden element, hints and resizing.
#include "TestForms.h"
#include "atomic/xray/Break_x.h"
#include "atomic/xray/U_main.h"
#include "widgets/Surface.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QSlider>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <set>

namespace {

constexpr QRgb kMarkerOnWhite = 0xFF7FFF;

void choose(const QString &item) {
    QComboBox *cb = form_Main->cb_Elements;
    cb->setCurrentIndex(cb->findText(item));
}

int markerPixels(int column) {
    const QImage &img = form_Main->im_Graphics->Bitmap;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        n += (img.pixel(column, y) & 0xFFFFFF) == kMarkerOnWhite;
    return n;
}

// Columns that hold a marker (most of the column in the marker colour).
int markerColumns() {
    const QImage &img = form_Main->im_Graphics->Bitmap;
    int columns = 0;
    for (int x = 0; x < img.width(); ++x)
        columns += markerPixels(x) > img.height() / 2;
    return columns;
}

int countColour(QRgb colour) {
    const QImage &img = form_Main->im_Graphics->Bitmap;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == colour;
    return n;
}

} // namespace

class TestXrayWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        form_Main->Show();
        form_Main->PageControl1->setCurrentIndex(1);
        pumpFor(50);
    }

    void startsWithoutCurveOrMarker() {
        QVERIFY(!form_Main->ScrollBar->isEnabled());
        QCOMPARE(double(form_Main->State.kx), 0.0);
        QCOMPARE(form_Main->statusText(2), QString());
        QCOMPARE(form_Main->pos(), QPoint(0, 0));
        QCOMPARE(form_Main->minimumSize(), QSize(492, 323));
        QCOMPARE(form_Main->Voltage_lb->text(), QStringLiteral("V = 11000 В"));
        QCOMPARE(form_Main->im_Graphics->Bitmap.size(), form_Main->im_Graphics->size());
        QCOMPARE(form_Main->ScrollBar->maximum(), form_Main->im_Graphics->width() - 20);
    }

    void elementListIsSortedWithUnknownLast() {
        QStringList items;
        for (int i = 0; i < form_Main->cb_Elements->count(); ++i)
            items << form_Main->cb_Elements->itemText(i);
        QCOMPARE(items, QStringList({"Ba", "Ca", "Er", "Fe", "Kr", "Pd", "Pt", "Ra", "Sn", "U",
                                     QStringLiteral("Неизвестный")}));
        QCOMPARE(form_Main->cb_Elements->currentIndex(), 0);
    }

    void voltageTrackSetsTheTube_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("kilovolts");
        QTest::newRow("lowest") << 0 << QStringLiteral("V = 11000 В") << "11";
        QTest::newRow("middle") << 5 << QStringLiteral("V = 63000 В") << "63";
        QTest::newRow("highest") << 10 << QStringLiteral("V = 115000 В") << "115";
    }
    void voltageTrackSetsTheTube() {
        QFETCH(int, position);
        QFETCH(QString, label);
        QFETCH(QString, kilovolts);
        form_Main->BitBtn2Click();
        form_Main->Voltage_Track->setValue(position);
        QCOMPARE(form_Main->Voltage_lb->text(), label);
        choose(QStringLiteral("U"));
        form_Main->BitBtn1Click();
        QCOMPARE(form_Main->ListView1->rowCount(), 1);
        QCOMPARE(form_Main->ListView1->item(0, 0)->text(), QStringLiteral("U"));
        QCOMPARE(form_Main->ListView1->item(0, 1)->text(), kilovolts);
        QCOMPARE(form_Main->ListView1AdvancedCustomDrawItem(0), QColor(0xFF0000));
    }

    void rowsTakeTheColoursOfTheirCurves() {
        form_Main->BitBtn2Click();
        choose(QStringLiteral("Fe"));
        for (int i = 0; i < 3; ++i)
            form_Main->BitBtn1Click();
        QCOMPARE(form_Main->ListView1AdvancedCustomDrawItem(0), QColor(0xFF0000));
        QCOMPARE(form_Main->ListView1AdvancedCustomDrawItem(1), QColor(0x0000FF));
        QCOMPARE(form_Main->ListView1AdvancedCustomDrawItem(2), QColor(0x008000));
        QVERIFY(countColour(0x008000) > 300);
    }

    void markerAppearsOnceAndDrawingRemovesIt() {
        form_Main->BitBtn2Click();
        choose(QStringLiteral("Fe"));
        form_Main->BitBtn1Click();
        QVERIFY(form_Main->ScrollBar->isEnabled());
        QVERIFY(form_Main->statusText(2).startsWith(QStringLiteral("Длина волны: ")));
        form_Main->ScrollBar->setValue(100);
        QCOMPARE(markerColumns(), 1);
        QVERIFY(markerPixels(110) > 300);
        // The marker stands at 100 / kx ångström.
        const QString lam =
            QString::fromStdString(Break_x::FormatWavelength(100 / form_Main->State.kx));
        QCOMPARE(form_Main->statusText(2), QStringLiteral("Длина волны: %1 Ангстрем").arg(lam));
        QVERIFY(lam.toDouble() > 1.0 && lam.toDouble() < 1.7);
        // Two drawings without scrolling leave no marker...
        form_Main->BitBtn1Click();
        form_Main->BitBtn1Click();
        QCOMPARE(markerColumns(), 0);
        QVERIFY(!form_Main->WasLine);
        // ...and the next scroll shows exactly one.
        form_Main->ScrollBar->setValue(200);
        QCOMPARE(markerColumns(), 1);
        QVERIFY(markerPixels(210) > 300);
        form_Main->ScrollBar->setValue(250);
        QCOMPARE(markerColumns(), 1);
        QCOMPARE(markerPixels(210), 0);
    }

    void clearEmptiesListAndPicture() {
        choose(QStringLiteral("Pt"));
        form_Main->BitBtn1Click();
        form_Main->ScrollBar->setValue(60);
        form_Main->BitBtn2Click();
        QCOMPARE(form_Main->ListView1->rowCount(), 0);
        const QImage &img = form_Main->im_Graphics->Bitmap;
        QCOMPARE(countColour(0xFFFFFF), img.width() * img.height());
        QVERIFY(form_Main->ScrollBar->isEnabled());
        QCOMPARE(form_Main->State.CurColor, 1);
        QCOMPARE(form_Main->Old_Value, std::uint16_t(60));
        // A scroll after clearing draws one marker, nothing to remove first.
        form_Main->ScrollBar->setValue(80);
        QCOMPARE(markerColumns(), 1);
    }

    void hiddenElementStaysUntilChosenAgain() {
        form_Main->BitBtn2Click();
        choose(QStringLiteral("Fe"));
        choose(QStringLiteral("Неизвестный"));
        const int hidden = form_Main->UnknownElement;
        QVERIFY(hidden >= 11 && hidden <= 16);
        form_Main->BitBtn1Click();
        QVERIFY(countColour(0xFF0000) > 300);
        form_Main->BitBtn1Click();
        // The blue curve covers the red one pixel for pixel: the same element.
        QCOMPARE(countColour(0xFF0000), 0);
        QCOMPARE(int(form_Main->UnknownElement), hidden);
        QCOMPARE(form_Main->ListView1->item(0, 0)->text(), QStringLiteral("Неизвестный"));
        QCOMPARE(form_Main->ListView1->item(1, 0)->text(), QStringLiteral("Неизвестный"));
    }

    void hiddenElementComesFromTheLastSix() {
        std::set<int> seen;
        for (int i = 0; i < 300; ++i) {
            choose(QStringLiteral("Ca"));
            choose(QStringLiteral("Неизвестный"));
            const int hidden = form_Main->UnknownElement;
            QVERIFY(hidden >= 11 && hidden <= 16);
            seen.insert(hidden);
        }
        QCOMPARE(seen.size(), std::size_t(6));
    }

    void missingElementIsReported() {
        form_Main->BitBtn2Click();
        choose(QStringLiteral("Неизвестный"));
        form_Main->UnknownElement = 0; // as if no hidden element had been picked
        QString shown;
        QTimer::singleShot(50, this, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        form_Main->BitBtn1Click();
        choose(QStringLiteral("Fe")); // leave no broken choice for Enter later
        QCOMPARE(shown, QStringLiteral("Ошибка в данных!"));
        QCOMPARE(form_Main->ListView1->rowCount(), 1); // the row stays, no curve
        QCOMPARE(countColour(0xFF0000), 0);
    }

    void hintsGoToTheStatusBar_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("status");
        QTest::newRow("element") << "cb_Elements" << QStringLiteral("Элемент")
                                 << QStringLiteral("Элемент");
        QTest::newRow("voltage") << "Voltage_Track" << QStringLiteral("Напряжение")
                                 << QStringLiteral("Напряжение");
        QTest::newRow("draw") << "BitBtn1" << QStringLiteral("Получить спектр")
                              << QStringLiteral("Получить спектр");
        QTest::newRow("marker") << "ScrollBar" << QStringLiteral("Измерение длины волны.")
                                << QStringLiteral("Измерение длины волны.");
        QTest::newRow("picture")
            << "im_Graphics" << QStringLiteral("Спектр ")
            << QStringLiteral(" Зависимость спектральной плотности интенсивности от длины волны");
    }
    void hintsGoToTheStatusBar() {
        QFETCH(QString, control);
        QFETCH(QString, tooltip);
        QFETCH(QString, status);
        QWidget *w = form_Main->findChild<QWidget *>(control);
        QVERIFY(w);
        QCOMPARE(w->toolTip(), tooltip);
        // What the pointer entering the control sends.
        QStatusTipEvent enter(w->statusTip());
        QApplication::sendEvent(w, &enter);
        QCOMPARE(form_Main->statusText(1), status);
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(w, &leave);
        QCOMPARE(form_Main->statusText(1), QString());
    }

    void enterDrawsASpectrum() {
        form_Main->BitBtn2Click();
        choose(QStringLiteral("Ba"));
        form_Main->activateWindow();
        pumpFor(20);
        QTest::keyClick(form_Main, Qt::Key_Return);
        QCOMPARE(form_Main->ListView1->rowCount(), 1);
    }

    void resizeKeepsOldCurvesAndRescales() {
        form_Main->BitBtn2Click();
        choose(QStringLiteral("Ca"));
        form_Main->BitBtn1Click();
        const QImage before = form_Main->im_Graphics->Bitmap.copy();
        const double oldKx = double(form_Main->State.kx);
        form_Main->resize(form_Main->width() + 200, form_Main->height() + 100);
        pumpFor(30);
        const QImage &after = form_Main->im_Graphics->Bitmap;
        QCOMPARE(after.size(), form_Main->im_Graphics->size());
        QCOMPARE(after.copy(before.rect()), before);
        QCOMPARE(form_Main->ScrollBar->maximum(), after.width() - 20);
        form_Main->BitBtn1Click();
        QVERIFY(double(form_Main->State.kx) > oldKx);
        form_Main->resize(1, 1); // below the minimum: held at 492 x 323
        pumpFor(30);
        QCOMPARE(form_Main->size(), QSize(492, 323));
        form_Main->BitBtn1Click();
        form_Main->ScrollBar->setValue(form_Main->ScrollBar->maximum());
    }

    void closeHidesAtOnce() {
        form_Main->close();
        QVERIFY(form_Main->isHidden());
        form_Main->Show();
        QVERIFY(form_Main->isVisible());
    }
};

QTEST_MAIN(TestXrayWindow)
#include "tst_xray_window.moc"
