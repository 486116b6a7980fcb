// The theory on the overlay: made once per picture (pointer moves and the
// controls do not make it again, every change of the picture does), the
// marks follow a window's inputs, and the legend and labels stay in view and
// clear of the widgets over the picture.
#include "TestForms.h"
#include "widgets/DemoForm.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

namespace {

struct Counting : TPictureProvider {
    int value = 1;
    mutable int made = 0;
    QStringList readoutAt(QPoint pixel) const override { return {QString::number(pixel.x())}; }
    bool hasTheory() const override { return true; }
    OverlayMarks theory() const override {
        ++made;
        OverlayMarks m;
        m.ellipses << QRectF(10, 10, 20 * value, 20);
        m.legend << QString::number(value);
        return m;
    }
};

struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

bool sameMarks(const OverlayMarks &a, const OverlayMarks &b) {
    return a.lines == b.lines && a.points == b.points && a.ellipses == b.ellipses &&
           a.legend == b.legend;
}

QRect inWindow(const QWidget *w, const QRect &r = {}) {
    const QRect local = r.isNull() ? w->rect() : r;
    return QRect(w->mapTo(w->window(), local.topLeft()), local.size());
}

using Act = std::function<void(QWidget *)>;
using PictureAct = std::function<void(QWidget *, TOverlay *)>;

QWidget *named(QWidget *w, const char *name) {
    return w->findChild<QWidget *>(QLatin1String(name));
}
Act setText(const char *name, const char *text) {
    return [=](QWidget *w) { qobject_cast<QLineEdit *>(named(w, name))->setText(text); };
}
Act click(const char *name) {
    return [=](QWidget *w) { qobject_cast<QAbstractButton *>(named(w, name))->click(); };
}
Act page(int n) {
    return [n](QWidget *w) {
        qobject_cast<QTabWidget *>(named(w, "PageControl1"))->setCurrentIndex(n);
    };
}
Act all(QList<Act> acts) {
    return [acts](QWidget *w) {
        for (const Act &a : acts) {
            a(w);
            pumpFor(20);
        }
    };
}

} // namespace

Q_DECLARE_METATYPE(Act)
Q_DECLARE_METATYPE(PictureAct)

class TestOverlayTheory : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void madeOncePerPicture_data() {
        QTest::addColumn<bool>("bitmap"); // a TImage, or a widget that paints itself
        QTest::addColumn<PictureAct>("act");
        QTest::addColumn<bool>("renewed");
        auto moves = [](QWidget *, TOverlay *o) {
            for (int i = 0; i < 12; ++i) {
                o->setProbe(QPoint(7 * i, 5 * i));
                pumpFor(5);
            }
            o->clearProbe();
        };
        auto frames = [](QWidget *, TOverlay *o) {
            o->setFocusFrame(QRect(10, 10, 8, 8));
            pumpFor(10);
            o->setFocusFrame(QRect(40, 30, 8, 8));
        };
        auto draw = [](QWidget *pic, TOverlay *) {
            auto *image = static_cast<TImage *>(pic);
            QPainter(&image->Bitmap).fillRect(0, 0, 5, 5, Qt::red);
            image->update();
        };
        auto repaint = [](QWidget *pic, TOverlay *) { pic->update(); };
        auto child = [](QWidget *pic, TOverlay *) { pic->findChild<QWidget *>("view")->update(); };
        auto told = [](QWidget *, TOverlay *o) { o->pictureChanged(); };
        auto resized = [](QWidget *pic, TOverlay *) { pic->resize(150, 100); };
        QTest::newRow("pointer moves over a bitmap") << true << PictureAct(moves) << false;
        QTest::newRow("pointer moves over a panel") << false << PictureAct(moves) << false;
        QTest::newRow("focus frame moves") << false << PictureAct(frames) << false;
        QTest::newRow("bitmap drawn") << true << PictureAct(draw) << true;
        QTest::newRow("panel repaints") << false << PictureAct(repaint) << true;
        QTest::newRow("view in the panel repaints") << false << PictureAct(child) << true;
        QTest::newRow("told") << true << PictureAct(told) << true;
        QTest::newRow("resized") << true << PictureAct(resized) << true;
    }
    void madeOncePerPicture() {
        QFETCH(bool, bitmap);
        QFETCH(PictureAct, act);
        QFETCH(bool, renewed);
        QWidget window;
        window.resize(200, 150);
        QWidget *pic = bitmap ? new TImage(&window) : new QWidget(&window);
        pic->setGeometry(0, 0, 120, 90);
        if (auto *image = qobject_cast<TImage *>(pic)) {
            image->Bitmap = QImage(120, 90, QImage::Format_RGB32);
            image->Bitmap.fill(Qt::black);
        } else {
            auto *view = new QWidget(pic);
            view->setObjectName("view");
            view->setGeometry(20, 20, 60, 40);
        }
        Counting provider;
        TOverlay *o = attachOverlay(pic);
        o->setProvider(&provider);
        o->setTheoryShown(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        pumpFor(50);
        QCOMPARE(provider.made, 1);
        provider.value = 2;
        PaintCount count;
        o->installEventFilter(&count);
        act(pic, o);
        pumpFor(50);
        QVERIFY(count.paints > 0); // the overlay did paint again
        QCOMPARE(provider.made, renewed ? 2 : 1);
        QCOMPARE(o->theoryMarks().legend, QStringList{renewed ? "2" : "1"});
    }

    // A long line is broken to the width in view, not cut off at its edge.
    void legendBrokenToTheView() {
        struct Long : TPictureProvider {
            bool hasTheory() const override { return true; }
            OverlayMarks theory() const override {
                OverlayMarks m;
                m.legend << QStringLiteral("r = √(m λ R), m = 1, 2, 3, … for the dark rings and "
                                           "√((m − ½) λ R) for the bright ones");
                return m;
            }
        } provider;
        QWidget window;
        window.resize(160, 200);
        auto *pic = new TImage(&window);
        pic->setGeometry(-40, 0, 400, 200); // wider than the window: partly out of view
        TOverlay *o = attachOverlay(pic);
        o->setProvider(&provider);
        o->setTheoryShown(true);
        const QRect inView(-pic->x(), 0, window.width(), window.height());
        const QRect box = o->legendRect();
        QVERIFY2(inView.contains(box), qPrintable(QStringLiteral("%1 %2 %3 %4")
                                                      .arg(box.x())
                                                      .arg(box.y())
                                                      .arg(box.width())
                                                      .arg(box.height())));
        QVERIFY(box.height() > 3 * QFontMetrics(o->font(), o).height());
    }

    // A change the way a user makes it; the marks drawn are then the ones the
    // window's theory gives for its new inputs.
    void marksFollowInputs_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<Act>("before");
        QTest::addColumn<Act>("change");
        QTest::newRow("lens: object distance, then draw")
            << "TForm3"
            << "Image1" << all({}) << all({setText("Edit2", "40"), click("SpeedButton1")});
        QTest::newRow("Newton: wavelength, then compute")
            << "TForm7"
            << "Image1" << all({page(1), click("Button1")})
            << all({setText("Edit4", "650"), click("Button1")});
        QTest::newRow("electrons: voltage, paused")
            << "TForm51"
            << "DifrPanel" << all({page(1)}) << Act([](QWidget *w) {
                   auto *c = w->findChild<QComboBox *>("ComboBox3");
                   c->setCurrentIndex(c->count() - 1);
               });
        QTest::newRow("X-ray: voltage, then draw")
            << "Tform_Main"
            << "im_Graphics" << all({page(1), click("BitBtn1")})
            << all({[](QWidget *w) { w->findChild<QSlider *>("Voltage_Track")->setValue(6); },
                    click("BitBtn1")});
    }
    void marksFollowInputs() {
        QFETCH(QString, form);
        QFETCH(QString, picture);
        QFETCH(Act, before);
        QFETCH(Act, change);
        auto *w = static_cast<TDemoForm *>(windowOfClass(qPrintable(form)));
        QVERIFY(w);
        w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        before(w);
        TOverlay *o = TOverlay::of(named(w, qPrintable(picture)));
        QVERIFY(o);
        QTRY_VERIFY_WITH_TIMEOUT(o->provider()->hasTheory(), 30000);
        if (o->animation()) o->animation()->setPaused(true);
        o->setTheoryShown(true);
        pumpFor(50);
        const OverlayMarks was = o->theoryMarks();
        QVERIFY(sameMarks(was, o->provider()->theory()));
        change(w);
        QTRY_VERIFY_WITH_TIMEOUT(!sameMarks(o->provider()->theory(), was), 30000);
        pumpFor(50);
        QVERIFY(sameMarks(o->theoryMarks(), o->provider()->theory()));
        o->setTheoryShown(false);
        if (o->animation()) o->animation()->setPaused(false);
        w->HideNow();
    }

    // In view (a scrolled picture shows only part of itself) and clear of
    // what lies over the picture: scroll bars, the axis symbol, the controls.
    void legendInView_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<Act>("before");
        QTest::addColumn<QStringList>("over"); // widgets over the picture
        QTest::newRow("Newton, scrolled")
            << "TForm7"
            << "Image1" << all({page(1), setText("Edit2", "0.02"), click("Button1")})
            << QStringList{"ScrollBar1", "ScrollBar2"};
        QTest::newRow("X-ray") << "Tform_Main"
                               << "im_Graphics" << all({page(1), click("BitBtn1")})
                               << QStringList{"im_Y", "im_X"};
        QTest::newRow("electrons")
            << "TForm51"
            << "DifrPanel" << all({page(1)}) << QStringList{"Panel1", "StatusBar1"};
        // The image's label would run under the colour legend's links.
        QTest::newRow("lens, labels")
            << "TForm3"
            << "Image1" << all({}) << QStringList{"Label13", "Label14", "Label15", "Label16",
                                                  "Label17", "Label18", "Label19"};
    }
    void legendInView() {
        QFETCH(QString, form);
        QFETCH(QString, picture);
        QFETCH(Act, before);
        QFETCH(QStringList, over);
        auto *w = static_cast<TDemoForm *>(windowOfClass(qPrintable(form)));
        QVERIFY(w);
        w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        before(w);
        QWidget *pic = named(w, qPrintable(picture));
        TOverlay *o = TOverlay::of(pic);
        QTRY_VERIFY_WITH_TIMEOUT(o->provider()->hasTheory(), 30000);
        pumpFor(100);
        o->setTheoryShown(true);
        QList<QRect> boxes{inWindow(o, o->legendRect())};
        QVERIFY(!boxes[0].isEmpty());
        for (const QRect &l : o->labelRects())
            boxes << inWindow(o, l);
        for (const QRect &box : boxes) {
            QVERIFY2(inWindow(pic->parentWidget()).contains(box), "out of view");
            for (const QString &name : over) {
                QWidget *c = named(w, qPrintable(name));
                QVERIFY2(c && c->isVisible(), qPrintable(name));
                QVERIFY2(!inWindow(c).intersects(box), qPrintable(name));
            }
        }
        if (form == "TForm7") // the picture is larger than its panel
            QVERIFY(!inWindow(pic->parentWidget()).contains(inWindow(pic)));
        o->setTheoryShown(false);
        w->HideNow();
    }
};

QTEST_MAIN(TestOverlayTheory)
#include "tst_overlay_theory.moc"
