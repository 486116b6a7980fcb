// Huygens' construction of refraction without the window: the geometry of
// the plate, the beam and its rays, the beams that cannot exist, and the
// pixels of the drawn frames, including the drawing of only the rays in
// view checked against drawing every ray.
#include "canvas/Canvas.h"
#include "geometric/huygens/HuygensBeam.h"
#include "geometric/huygens/HuygensScene.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <cmath>

using namespace huygens;

namespace {

Inputs inputs(int t, int theta = 30, float n1 = 1.3f, float n2 = 1.3f, int spacing = 10,
              int width = 100) {
    Inputs in;
    in.t = t;
    in.thetaDegrees = theta;
    in.n1 = n1;
    in.n2 = n2;
    in.spacing = spacing;
    in.width = width;
    return in;
}

struct Frame {
    QImage image;
    int rays = 0;
    explicit Frame(const Inputs &in, bool all = false) : image(in.W, in.H, QImage::Format_RGB32) {
        image.fill(0x555555); // whatever the last frame left
        Canvas c(image);
        rays = all ? drawHuygensSceneAllRays(c, in) : drawHuygensScene(c, in);
    }
    QRgb at(double x, double y) const { return image.pixel(int(x), int(y)) & 0xFFFFFF; }
    // Some pixel within one pixel of (x, y) passes the test.
    template <class Test> bool near(double x, double y, Test test) const {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (test(at(x + dx, y + dy))) return true;
        return false;
    }
};

bool red(QRgb c) {
    return qRed(c) == 0xFF;
}
bool green(QRgb c) {
    return qGreen(c) == 0xFF;
}
bool yellow(QRgb c) {
    return red(c) && green(c);
}
// Red without green, or green without red: one beam only.
bool redOnly(QRgb c) {
    return red(c) && qGreen(c) < 0x80;
}
bool greenOnly(QRgb c) {
    return green(c) && qRed(c) < 0x80;
}

int count(const QImage &image, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y) & 0xFFFFFF);
    return n;
}

// Where the first ray (k = 0) is, `depth` pixels below the upper surface,
// for a beam of index n, in drawn coordinates.
QPointF firstRayInPlate(const Setup &st, float n, double depth) {
    const Ray r = incident(st, 0);
    const Beam b = makeBeam(st, n);
    return {r.x + 10 + depth * b.tanB, st.yTop + depth};
}

} // namespace

class TestHuygens : public QObject {
    Q_OBJECT
  private slots:
    void halfRingMatchesCanvasArc_data() {
        QTest::addColumn<QRect>("box"); // by its corners, as the canvas takes it
        QTest::newRow("circle r=20") << QRect(QPoint(40, 30), QPoint(80, 70));
        QTest::newRow("ellipse") << QRect(QPoint(10, 50), QPoint(150, 90));
        QTest::newRow("tiny") << QRect(QPoint(60, 60), QPoint(62, 62));
        QTest::newRow("past the edges") << QRect(QPoint(-100, -20), QPoint(250, 330));
        QTest::newRow("centre above the image") << QRect(QPoint(20, -300), QPoint(180, -100));
        QTest::newRow("huge") << QRect(QPoint(-50000, -49900), QPoint(50100, 50200));
    }
    void halfRingMatchesCanvasArc() {
        QFETCH(QRect, box);
        QImage mine(160, 120, QImage::Format_RGB32), arc(160, 120, QImage::Format_RGB32);
        mine.fill(0x102030);
        arc.fill(0x102030);
        Canvas a(mine), b(arc);
        for (Canvas *c : {&a, &b}) {
            c->setPenColor(QColor(0xFF, 0x00, 0x00));
            c->setPenWidth(2);
            c->setPenMode(PenMode::Merge);
        }
        const int l = box.left(), t = box.top(), r = box.right(), btm = box.bottom();
        drawLowerHalfRing(a, l, t, r, btm);
        const int midY = (t + btm) / 2;
        b.Arc(l, t, r, btm, l, midY, r, midY);
        QCOMPARE(mine, arc);
    }

    void designGeometry() {
        const Setup st = makeSetup(inputs(1));
        QCOMPARE(st.yTop, 174);
        QCOMPARE(st.yBot, 374);
        QVERIFY2(std::abs(st.pMax - 258.65f) < 0.01f, qPrintable(QString::number(st.pMax)));
        QVERIFY2(std::abs(st.xLast - 215.93f) < 0.01f, qPrintable(QString::number(st.xLast)));
        const Beam b = makeBeam(st, 1.3f);
        QVERIFY(b.exists);
        QVERIFY(std::abs(b.beta * 180 / 3.14159265f - 22.62f) < 0.01f);
        QVERIFY(std::abs(b.D - 216.67f) < 0.01f);
        QCOMPARE(st.lastIndex, 10); // 11 rays
    }

    void beamsWithoutRefractionAngle_data() {
        QTest::addColumn<int>("theta");
        QTest::addColumn<float>("n");
        QTest::addColumn<bool>("exists");
        QTest::newRow("0.5 at 60 deg") << 60 << 0.5f << false;
        QTest::newRow("0.87 at 60 deg") << 60 << 0.87f << true;
        QTest::newRow("negative index") << 30 << -1.3f << false;
        QTest::newRow("not a number") << 30 << std::nanf("") << false;
        QTest::newRow("infinite index") << 30 << INFINITY << true;
    }
    void beamsWithoutRefractionAngle() {
        QFETCH(int, theta);
        QFETCH(float, n);
        QFETCH(bool, exists);
        QCOMPARE(makeBeam(makeSetup(inputs(1, theta)), n).exists, exists);
    }

    void inputsOutOfRangeAreBroughtIn() {
        // A spin edit reads what was typed until it loses the focus.
        Inputs in = inputs(99999, 90);
        in.spacing = 0;
        in.width = 0;
        const Setup st = makeSetup(in);
        QCOMPARE(st.s, 1);
        QCOMPARE(st.lastIndex, 1); // width 1: rays at 0 and 1
        QCOMPARE(st.t, kMaxTime);
        QVERIFY(st.cosT > 0.01f && std::isfinite(st.pMax));
        QCOMPARE(indexOrOne(0), 1.0f);
    }

    void waveletsGrowThenStop() {
        const Setup early = makeSetup(inputs(230)), later = makeSetup(inputs(300));
        const Ray r0 = incident(early, 0);
        const float a = 174 / std::cos(3.14159265f / 6);
        QVERIFY(r0.arrived);
        QVERIFY(std::abs(r0.e - (230 - a)) < 0.01f);
        QVERIFY(!refract(early, makeBeam(early, 1.3f), r0).crossing);
        // Past P_max the wavelet keeps the radius (P_max - a) / n ...
        const Beam b = makeBeam(later, 1.3f);
        const Refracted f = refract(later, b, incident(later, 0));
        QVERIFY(std::abs(f.rho - (later.pMax - a) / 1.3f) < 0.01f);
        // ... and the refracted ray grows 1/n per tick.
        const Setup next = makeSetup(inputs(301));
        const Refracted g = refract(next, b, incident(next, 0));
        QVERIFY(std::abs(std::hypot(g.X2 - f.X2, g.Y2 - f.Y2) - 1 / 1.3f) < 0.01f);
        // The last ray arrives last: no wavelet yet at P_max.
        QVERIFY(incident(later, 100).e < 0.01f);
    }

    void rayLeavesThePlateAfterItsPath() {
        // The first ray arrives at 200.92 and needs 216.67 px of plate,
        // i.e. 281.67 ticks at n = 1.3.
        const Setup in = makeSetup(inputs(482));
        const Setup out = makeSetup(inputs(484));
        const Beam b = makeBeam(in, 1.3f);
        QVERIFY(!refract(in, b, incident(in, 0)).left);
        const Refracted f = refract(out, b, incident(out, 0));
        QVERIFY(f.left);
        QVERIFY(std::abs(f.Y2 - 374) < 0.01f);
        QVERIFY(std::abs(f.X2 - incident(out, 0).x - 83.33f) < 0.05f);
        // Its wavelet below grows to tan(theta) (w - k); then the ray goes
        // on, 1 px a tick.
        const Setup a = makeSetup(inputs(900)), c = makeSetup(inputs(901));
        const Refracted g = refract(a, b, incident(a, 0)), h = refract(c, b, incident(c, 0));
        QVERIFY(g.emergent && std::abs(g.rLow - std::tan(3.14159265f / 6) * 100) < 0.01f);
        QVERIFY(std::abs(std::hypot(h.gx - g.gx, h.gy - g.gy) - 1) < 0.01f);
    }

    void equalIndicesDrawOneYellowBeam() {
        const Frame f(inputs(400));
        const Setup st = makeSetup(inputs(400));
        const QPointF p = firstRayInPlate(st, 1.3f, 60);
        QVERIFY(f.near(p.x(), p.y(), yellow));
        QCOMPARE(count(f.image, redOnly), 0);
        QCOMPARE(count(f.image, greenOnly), 0);
        QCOMPARE(f.rays, 11);
        QCOMPARE(Frame(inputs(400, 30, 1.3f, 1.3f, 500, 100)).rays, 1);
        // The plate and its surfaces.
        QCOMPARE(f.at(600, 300), QRgb(0x202060));
        QCOMPARE(f.at(600, 100), QRgb(0));
        QCOMPARE(f.at(600, 173) | f.at(600, 174), QRgb(0x808080) | 0x202060);
    }

    void twoIndicesDrawRedAndGreen() {
        const Frame f(inputs(420, 30, 1.3f, 1.5f));
        const Setup st = makeSetup(inputs(420));
        const QPointF r = firstRayInPlate(st, 1.3f, 80), g = firstRayInPlate(st, 1.5f, 80);
        QVERIFY(g.x() < r.x() - 3); // green refracted more, its wavelets smaller
        const Ray r0 = incident(st, 0);
        QVERIFY(f.near(r0.x + 10, r0.y + r0.e / 1.3, red));
        QVERIFY(f.near(r0.x + 10, r0.y + r0.e / 1.5, green));
        QVERIFY(f.near(r.x(), r.y(), red));
        QVERIFY(f.near(g.x(), g.y(), green));
        QVERIFY(count(f.image, redOnly) > 50);
        QVERIFY(count(f.image, greenOnly) > 50);
        QVERIFY(count(f.image, yellow) > 50); // incident rays and crossings
    }

    void emptyFirstIndexPassesUndeviated() {
        const Frame f(inputs(420, 30, 0.0f, 1.3f));
        const Setup st = makeSetup(inputs(420));
        const Ray r0 = incident(st, 0);
        // n1 = 1: the red ray goes on at 30 degrees through the plate.
        const double depth = 80;
        QVERIFY(f.near(r0.x + 10 + depth * std::tan(3.14159265 / 6), st.yTop + depth, red));
    }

    void beamWithoutAngleIsSkipped() {
        const Frame f(inputs(420, 60, 0.5f, 1.5f));
        QCOMPARE(count(f.image, redOnly), 0);
        QVERIFY(count(f.image, greenOnly) > 50);
    }

    void raysInViewMatchEveryRay_data() {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("theta");
        QTest::addColumn<float>("n1");
        QTest::addColumn<float>("n2");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("width");
        QTest::addColumn<QSize>("view");
        QTest::newRow("defaults arriving")
            << 200 << 30 << 1.3f << 1.3f << 10 << 100 << QSize(705, 549);
        QTest::newRow("defaults below")
            << 900 << 30 << 1.3f << 1.5f << 10 << 100 << QSize(705, 549);
        QTest::newRow("wide beam arriving")
            << 700 << 40 << 1.3f << 1.6f << 7 << 3000 << QSize(705, 549);
        QTest::newRow("wide beam, index near sin")
            << 3000 << 50 << 0.78f << 1.2f << 5 << 4000 << QSize(705, 549);
        QTest::newRow("steep, fine") << 9000 << 80 << 1.0f << 2.0f << 3 << 5000 << QSize(705, 549);
        QTest::newRow("flat, fine") << 2000 << 5 << 0.1f << 1.4f << 2 << 5000 << QSize(705, 549);
        QTest::newRow("small view") << 1500 << 45 << 0.8f << 1.3f << 4 << 2000 << QSize(150, 120);
        QTest::newRow("large view") << 2500 << 20 << 1.3f << 1.1f << 9 << 5000 << QSize(1600, 1200);
        QTest::newRow("normal incidence")
            << 800 << 0 << 1.3f << 1.5f << 1 << 3000 << QSize(705, 549);
    }
    void raysInViewMatchEveryRay() {
        QFETCH(int, t);
        QFETCH(int, theta);
        QFETCH(float, n1);
        QFETCH(float, n2);
        QFETCH(int, spacing);
        QFETCH(int, width);
        QFETCH(QSize, view);
        Inputs in = inputs(t, theta, n1, n2, spacing, width);
        in.W = view.width();
        in.H = view.height();
        const Frame fast(in), all(in, true);
        QVERIFY2(fast.rays < all.rays || all.rays < 50, qPrintable(QString::number(fast.rays)));
        QCOMPARE(fast.image, all.image);
    }

    void beyondSenseStaysCheap_data() {
        QTest::addColumn<int>("theta");
        QTest::addColumn<float>("n");
        QTest::addColumn<int>("spacing");
        QTest::newRow("89 deg, huge width") << 89 << 1.3f << 1;
        QTest::newRow("1 deg, index at sin") << 1 << 0.0175f << 1;
        QTest::newRow("45 deg, index near sin") << 45 << 0.708f << 1;
        QTest::newRow("huge spacing") << 30 << 1.3f << kMaxSpin;
    }
    void beyondSenseStaysCheap() {
        QFETCH(int, theta);
        QFETCH(float, n);
        QFETCH(int, spacing);
        for (int t : {100, 3000, kMaxTime}) {
            Inputs in = inputs(t, theta, n, 1.5f, spacing, kMaxSpin);
            QElapsedTimer clock;
            clock.start();
            const Frame f(in);
            QVERIFY2(f.rays < 20000, qPrintable(QString::number(f.rays)));
            QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        }
    }
};

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestHuygens t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_huygens.moc"
