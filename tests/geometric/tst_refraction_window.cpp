// The refraction window driven like a user: layout, the picture at start
// and in the special cases, the corrections of the dispersion boxes (with
// their nested change events), the lamp drag and resizing.
#include "TestForms.h"
#include "geometric/refraction/Unit2.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <cmath>

namespace {

void mouse(QWidget *w, QEvent::Type type, int screenX, Qt::MouseButton button,
           Qt::MouseButtons held) {
    const QPointF global(screenX, 300);
    QMouseEvent e(type, w->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A drag of the lamp by the cursor's screen x.
void drag(int fromX, int toX) {
    mouse(Form2->Image2, QEvent::MouseButtonPress, fromX, Qt::LeftButton, Qt::LeftButton);
    mouse(Form2->Image2, QEvent::MouseMove, toX, Qt::NoButton, Qt::LeftButton);
    mouse(Form2->Image2, QEvent::MouseButtonRelease, toX, Qt::LeftButton, Qt::NoButton);
}

QColor at(int x, int y) {
    return Form2->Image1->Bitmap.pixelColor(x, y);
}

// The brightest pixel within 2 pixels of a point of an ideal ray from the
// centre C = (279, 136), t pixels along the direction (sx, sy).
QColor brightestNear(double sx, double sy, double t) {
    const int x0 = int(std::lround(279 + t * sx)), y0 = int(std::lround(136 + t * sy));
    QColor best(0, 0, 0);
    for (int y = y0 - 2; y <= y0 + 2; ++y)
        for (int x = x0 - 2; x <= x0 + 2; ++x)
            if (at(x, y).lightness() > best.lightness()) best = at(x, y);
    return best;
}

void putLampAtDx(int dx) {
    Form2->Image2->move(279 - 24 - dx, Form2->Image2->y());
    Form2->DrawScene();
}

// The unpolarised Fresnel shares for incidence a and refraction b, in double.
std::pair<double, double> shares(double a, double b) {
    const double s2 = std::pow(std::sin(a + b), 2);
    const double R =
        std::pow(std::tan(a - b) / std::tan(a + b), 2) + std::pow(std::sin(a - b), 2) / s2;
    const double T =
        std::sin(2 * a) * std::sin(2 * b) / s2 * (1 + 1 / std::pow(std::cos(a - b), 2));
    return {R / (R + T), T / (R + T)};
}

} // namespace

class TestRefractionWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form2->Show();
        pumpFor(50);
    }

    void init() {
        if (!Form2->isVisible()) Form2->Show();
        Form2->resize(560, 332);
        pumpFor(5);
        Form2->Image2->move(176, 8);
        Form2->Edit1->setText(QStringLiteral("1.3"));
        Form2->Edit2->setText(QStringLiteral("1"));
        Form2->Edit3->setText(QStringLiteral("0"));
        Form2->Edit4->setText(QStringLiteral("0"));
        Form2->Dragging = false;
        Form2->DrawScene();
    }

    void controlsAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Panel1") << "Panel1" << QRect(0, 0, 560, 275);
        QTest::newRow("Image1") << "Image1" << QRect(1, 1, 558, 273);
        QTest::newRow("Image2") << "Image2" << QRect(176, 8, 48, 32);
        QTest::newRow("Panel2") << "Panel2" << QRect(0, 275, 560, 57);
        QTest::newRow("Edit1") << "Edit1" << QRect(200, 7, 81, 21);
        QTest::newRow("Edit2") << "Edit2" << QRect(200, 31, 81, 21);
        QTest::newRow("Edit3") << "Edit3" << QRect(472, 8, 81, 21);
        QTest::newRow("Edit4") << "Edit4" << QRect(472, 32, 81, 21);
    }
    void controlsAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto *w = Form2->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
    }

    void captionsEndBeforeTheirBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("boxLeft");
        QTest::newRow("Label1") << "Label1"
                                << "Показатель преломления 1й среды:" << 200;
        QTest::newRow("Label2") << "Label2"
                                << "Показатель преломления 2й среды:" << 200;
        QTest::newRow("Label3") << "Label3"
                                << "Показатель дисперсии, 100000/нм:" << 472;
        QTest::newRow("Label4") << "Label4"
                                << "Показатель дисперсии, 100000/нм:" << 472;
    }
    void captionsEndBeforeTheirBoxes() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, boxLeft);
        auto *l = Form2->findChild<QLabel *>(name);
        QVERIFY(l);
        QCOMPARE(l->text(), text);
        QVERIFY(l->x() + l->fontMetrics().horizontalAdvance(text) < boxLeft);
    }

    void startPicture() {
        QCOMPARE(Form2->Image1->Bitmap.size(), QSize(560, 275));
        const snell::Trace &t = Form2->lastTrace();
        QVERIFY(std::fabs(t.alpha * 180 / M_PI - 37.2) < 0.05);
        QVERIFY(std::fabs(t.passes[0].beta * 180 / M_PI - 51.8) < 0.05);
        const double a = std::atan(79.0 / 104), b = std::asin(std::sin(a) * 1.3);
        const auto [R, T] = shares(a, b);
        const QColor refracted = brightestNear(std::sin(b), std::cos(b), 100);
        const QColor reflected = brightestNear(std::sin(a), -std::cos(a), 80);
        QVERIFY2(std::abs(refracted.red() - int(T * 255)) <= 1, qPrintable(refracted.name()));
        QVERIFY2(std::abs(reflected.red() - int(R * 255)) <= 1, qPrintable(reflected.name()));
        QVERIFY(reflected.red() > 0 && reflected.red() < refracted.red());
        for (const QColor &c : {refracted, reflected}) {
            QCOMPARE(c.green(), c.red());
            QCOMPARE(c.blue(), c.red());
        }
        QCOMPARE(at(10, 136), QColor(0x80, 0x80, 0x80)); // boundary
        QCOMPARE(at(10, 20), QColor(0, 0, 0));
    }

    void lampOverTheNormal() {
        putLampAtDx(0);
        QCOMPARE(at(279, 220), QColor(255, 255, 255));   // straight down, full white
        QCOMPARE(at(279, 15), QColor(0x80, 0x80, 0x80)); // only the normal above the lamp
    }

    void beyondTheCriticalAngle() {
        putLampAtDx(127); // 50.7 deg
        const double a = std::atan(127.0 / 104);
        QCOMPARE(brightestNear(std::sin(a), -std::cos(a), 90), QColor(255, 255, 255));
        // Nothing but the normal lights the lower medium.
        for (int y = 140; y < 273; y += 7)
            for (int x = 0; x < 558; x += 3)
                if (x < 277 || x > 282) QCOMPARE(at(x, y), QColor(0, 0, 0));
    }

    void equalIndicesShowNoReflection() {
        Form2->Edit2->setText(QStringLiteral("1.3"));
        const double a = std::atan(79.0 / 104);
        QCOMPARE(brightestNear(std::sin(a), -std::cos(a), 80), QColor(0, 0, 0));
        QCOMPARE(brightestNear(std::sin(a), std::cos(a), 100), QColor(255, 255, 255));
    }

    void dispersionDrawsAColouredFan() {
        Form2->Edit3->setText(QStringLiteral("30"));
        QCOMPARE(Form2->lastTrace().count, 63);
        // Along an arc below the boundary the fan shows red, green and blue
        // light of its own, not grey.
        bool red = false, blue = false;
        for (int x = 279; x < 558; ++x) {
            const QColor c = at(x, 250);
            red = red || (c.red() > 150 && c.blue() < 60);
            blue = blue || (c.blue() > 150 && c.green() < 100);
        }
        QVERIFY(red);
        QVERIFY(blue);
    }

    // The corrections happen in their order; a rewritten box runs the
    // change event again from inside the first one.
    void corrections_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("n2");
        QTest::addColumn<QString>("shown");
        struct Row {
            const char *name, *box, *typed, *n2, *shown;
        };
        const Row rows[] = {
            {"D1 1000 with n1 1.3", "Edit3", "1000", "1", "650"},
            {"D2 600 with n2 1", "Edit4", "600", "1", "500"},
            {"D2 700 with n2 2", "Edit4", "700", "2", "500"},
            {"D2 400 with n2 2 kept", "Edit4", "400", "2", "400"},
            {"D1 has no upper cap", "Edit3", "600", "1", "600"},
            {"D2 with no index", "Edit4", "10", "0", "0"},
            {"D2 with a negative index", "Edit4", "10", "-2", "0"},
        };
        for (const Row &r : rows)
            QTest::newRow(r.name) << QString::fromLatin1(r.box) << QString::fromLatin1(r.typed)
                                  << QString::fromLatin1(r.n2) << QString::fromLatin1(r.shown);
    }
    void corrections() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, n2);
        QFETCH(QString, shown);
        Form2->Edit2->setText(n2);
        auto *e = Form2->findChild<QLineEdit *>(box);
        e->setText(typed);
        QCOMPARE(e->text(), shown);
    }

    void correctedValueIsDrawn() {
        Form2->Edit3->setText(QStringLiteral("1000"));
        const snell::Trace &t = Form2->lastTrace();
        QCOMPARE(t.count, 63);
        QVERIFY(std::fabs(t.passes[0].n1 - (1.3f - 190 * 650e-5f)) < 1e-5);
    }

    // Panel2's click corrects the boxes but does not redraw by itself.
    void panelClickCorrectsWithoutRedrawing() {
        const QImage before = Form2->Image1->Bitmap.copy();
        {
            const QSignalBlocker block(Form2->Edit1);
            Form2->Edit1->setText(QStringLiteral("1.0"));
        }
        QTest::mouseClick(Form2->Panel2, Qt::LeftButton, {}, QPoint(150, 50));
        QCOMPARE(Form2->Image1->Bitmap, before);
        {
            const QSignalBlocker block(Form2->Edit4);
            Form2->Edit4->setText(QStringLiteral("900"));
        }
        QTest::mouseClick(Form2->Panel2, Qt::LeftButton, {}, QPoint(150, 50));
        QCOMPARE(Form2->Edit4->text(), QStringLiteral("500"));
    }

    void lampDrag_data() {
        QTest::addColumn<int>("by");
        QTest::addColumn<int>("left");
        QTest::newRow("to the right") << 60 << 236;
        QTest::newRow("to the left") << -100 << 76;
        QTest::newRow("left edge would reach 0") << -176 << 176;
        QTest::newRow("right edge would reach the panel's width") << 336 << 176;
        QTest::newRow("just inside on the right") << 335 << 511;
    }
    void lampDrag() {
        QFETCH(int, by);
        QFETCH(int, left);
        drag(1000, 1000 + by);
        QCOMPARE(Form2->Image2->x(), left);
        QCOMPARE(Form2->Image2->y(), 8);
        QVERIFY(!Form2->Dragging);
    }

    void dragRedrawsFromTheNewPlace() {
        drag(1000, 1103); // lamp left 279: dx = -24
        const double a = std::atan(-24.0 / 104);
        QVERIFY(std::fabs(Form2->lastTrace().alpha - a) < 1e-5);
        mouse(Form2->Image2, QEvent::MouseMove, 900, Qt::NoButton, Qt::NoButton);
        QCOMPARE(Form2->Image2->x(), 279); // no drag without a press
    }

    void resizeKeepsTheLampOnThePicture() {
        Form2->Image2->move(500, 8);
        Form2->resize(300, 332);
        pumpFor(5);
        QCOMPARE(Form2->Image1->Bitmap.size(), Form2->Panel1->size());
        QCOMPARE(Form2->Image2->x(), 298 - 48);
        QCOMPARE(Form2->lastTrace().alpha, std::atan(float(149 - 250 - 24) / float(136 - 32)));
    }

    void tooShortForTheLampDrawsNoRays() {
        Form2->resize(560, 57 + 60); // picture 58 high: the lamp reaches the boundary
        pumpFor(5);
        QVERIFY(!Form2->lastTrace().raysShown);
        Form2->resize(560, 332);
    }

    // Whatever is typed, the window draws a sensible picture and goes on.
    void oddTextsInEveryBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        for (const char *box : {"Edit1", "Edit2", "Edit3", "Edit4"})
            for (const char *text : {"1e308", "-5", "abc", "", "1e-300", "  2.5x"})
                QTest::newRow(qPrintable(QString::fromLatin1(box) + " " + text)) << box << text;
    }
    void oddTextsInEveryBox() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        Form2->findChild<QLineEdit *>(box)->setText(text);
        Form2->DrawScene();
        const snell::Trace &t = Form2->lastTrace();
        QVERIFY(std::isfinite(t.alpha));
        for (int k = 0; k < t.count; ++k) {
            const snell::Pass &p = t.passes[std::size_t(k)];
            QVERIFY(std::isfinite(p.beta) && std::isfinite(p.I.R) && std::isfinite(p.I.T));
        }
        // The lamp's own ray is always there.
        QCOMPARE(brightestNear(-79.0 / 131, -104.0 / 131, 60), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestRefractionWindow)
#include "tst_refraction_window.moc"
