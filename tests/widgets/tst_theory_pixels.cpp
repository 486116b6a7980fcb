// The theory on the overlay's pixels: the magenta of the marks lies where the
// textbook formula puts them (worked out here from the window's inputs, in
// the picture's pixels) and not between them.
#include "TestForms.h"
#include "widgets/Csafespinedit.h"
#include "widgets/DemoForm.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QLineEdit>
#include <QTabWidget>
#include <cmath>
#include <functional>

namespace {

struct Expected {
    QList<QPointF> marked, clear; // bitmap pixels
};
using Inputs = QList<QPair<QString, QString>>; // control, text
using Formula = std::function<Expected(const QWidget *picture)>;

QImage overlayAlone(TOverlay *o) {
    QImage img(o->size(), QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    o->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

bool magenta(QRgb c) {
    return qAlpha(c) > 200 && qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) > 200;
}

// Any magenta within `reach` pixels of `at`.
bool marksNear(const QImage &img, QPointF at, int reach) {
    const QPoint c = at.toPoint();
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = c + QPoint(dx, dy);
            if (img.rect().contains(p) && magenta(img.pixel(p))) return true;
        }
    return false;
}

// Points on a circle about `centre`, away from the axes (where Newton's
// bright rings have their crosses).
QList<QPointF> onCircle(QPointF centre, double r) {
    QList<QPointF> out;
    for (int k = 0; k < 4; ++k) {
        const double a = M_PI / 4 + k * M_PI / 2;
        out << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return out;
}

Expected newton(const QWidget *) {
    // R = 10 m, a = 0.01 m, h = 35 µm, λ = 500 nm: rings at sqrt(m λ R) / h
    // pixels about the centre, which is a / h pixels in.
    const double n = std::floor(0.01 / 0.000035), lambdaR = 500e-9 * 10;
    Expected e;
    for (int m = 1; m <= 3; ++m) {
        const double r = std::sqrt(m * lambdaR) / 0.000035,
                     next = std::sqrt((m + 1) * lambdaR) / 0.000035;
        e.marked << onCircle(QPointF(n, n), r);
        e.clear << onCircle(QPointF(n, n), (r + next) / 2);
    }
    return e;
}

Expected fraunhofer(const QWidget *) {
    // λ = 600 nm, L = 2000 m, a = 0.1 m, b = 0.2 m, side 0.1 m over 400
    // pixels: minima every m λ L / a = 48 pixels across, 24 along.
    Expected e;
    for (int m : {1, 2})
        for (int s : {-1, 1}) {
            e.marked << QPointF(200 + s * 48 * m, 212); // a vertical line, between two rows
            e.marked << QPointF(212, 200 + s * 24 * m); // a horizontal one
        }
    e.clear << QPointF(200, 212) << QPointF(176, 188) << QPointF(224, 212);
    return e;
}

Expected lens(const QWidget *picture) {
    const QSize panel = picture->parentWidget()->size();
    // D = 8 dioptres, d = 28 cm, h = 6 cm: f = 1 / (D/100 - 1/d) = 22.58 cm
    // and the tip's image (f/d) h on the other side of the axis (the picture
    // stands the object below it); 10 pixels a centimetre from the lens at
    // the panel's centre.
    const double f = 1 / (0.08 - 1 / 28.0), tip = f / 28 * 6;
    const QPointF c(panel.width() / 2, panel.height() / 2);
    Expected e;
    e.marked << c + QPointF(10 * f, 0) << c + QPointF(10 * f, -10 * tip);
    e.clear << c + QPointF(10 * f, 10 * tip) << c + QPointF(10 * f - 40, -10 * tip)
            << c + QPointF(-100, 0);
    return e;
}

Expected xray(const QWidget *image) {
    const QSize picture = static_cast<const TImage *>(image)->Bitmap.size();
    // 11 kV: Duane–Hunt λmin = 12398.5 / 11000 Å, on the axis from x = 10 at
    // (W - 25) / 7 pixels an ångström.
    const double x = 10 + 12398.5 / 11000 * (picture.width() - 25) / 7, y = picture.height() / 2;
    Expected e;
    e.marked << QPointF(x, y) << QPointF(x, picture.height() - 40);
    e.clear << QPointF(x + 20, y) << QPointF(x - 20, y) << QPointF(x + 60, y);
    return e;
}

} // namespace

Q_DECLARE_METATYPE(Formula)

class TestTheoryPixels : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void marksWhereTheFormulaPutsThem_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QString>("run");
        QTest::addColumn<Formula>("formula");
        QTest::newRow("Newton's dark rings")
            << "TForm7"
            << "Image1"
            << Inputs{{"Edit1", "10"}, {"Edit2", "0.01"}, {"Edit3", "0.000035"}, {"Edit4", "500"}}
            << "Button1" << Formula(newton);
        QTest::newRow("Fraunhofer minima") << "TForm9"
                                           << "Image1"
                                           << Inputs{{"CSpinEdit1", "600"},
                                                     {"Edit2", "2000"},
                                                     {"Edit3", "0.1"},
                                                     {"Edit4", "0.2"},
                                                     {"Edit5", "0.1"}}
                                           << "Button1" << Formula(fraunhofer);
        QTest::newRow("thin lens image")
            << "TForm3"
            << "Image1" << Inputs{{"Edit1", "8"}, {"Edit2", "28"}, {"Edit4", "6"}, {"Edit6", "90"}}
            << "SpeedButton1" << Formula(lens);
        QTest::newRow("X-ray λmin") << "Tform_Main"
                                    << "im_Graphics" << Inputs{} << "BitBtn1" << Formula(xray);
    }
    void marksWhereTheFormulaPutsThem() {
        QFETCH(QString, form);
        QFETCH(QString, picture);
        QFETCH(Inputs, inputs);
        QFETCH(QString, run);
        QFETCH(Formula, formula);
        auto *w = static_cast<TDemoForm *>(windowOfClass(qPrintable(form)));
        QVERIFY(w);
        w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (QTabWidget *pages : w->findChildren<QTabWidget *>(QStringLiteral("PageControl1")))
            pages->setCurrentIndex(1);
        for (const auto &[name, text] : inputs) {
            QWidget *c = w->findChild<QWidget *>(name);
            QVERIFY2(c, qPrintable(name));
            if (auto *e = qobject_cast<QLineEdit *>(c)) e->setText(text);
            if (auto *s = qobject_cast<TCSpinEdit *>(c)) s->setText(text);
        }
        w->findChild<QAbstractButton *>(run)->click();
        auto *pic = w->findChild<QWidget *>(picture);
        TOverlay *o = TOverlay::of(pic);
        QTRY_VERIFY_WITH_TIMEOUT(o->provider()->hasTheory() && o->hint().isEmpty(), 30000);
        pumpFor(50);
        o->setTheoryShown(true);
        const QImage img = overlayAlone(o);
        const QRect legend = o->legendRect().adjusted(-3, -3, 3, 3);
        const QTransform t = o->bitmapToWidget();
        const Expected e = formula(pic);
        QVERIFY(!e.marked.isEmpty() && !e.clear.isEmpty());
        const int reach = int(std::ceil(2 * std::max(t.m11(), t.m22())));
        for (const QPointF &p : e.marked)
            QVERIFY2(marksNear(img, t.map(p), reach),
                     qPrintable(QStringLiteral("no mark at %1, %2").arg(p.x()).arg(p.y())));
        for (const QPointF &p : e.clear) {
            QVERIFY(!legend.contains(t.map(p).toPoint()));
            QVERIFY2(!marksNear(img, t.map(p), reach),
                     qPrintable(QStringLiteral("a mark at %1, %2").arg(p.x()).arg(p.y())));
        }
        o->setTheoryShown(false);
        w->HideNow();
    }
};

QTEST_MAIN(TestTheoryPixels)
#include "tst_theory_pixels.moc"
