// The layer over the pictures: it never changes a picture's pixels, hints go
// with the first picture, the menu, saving, and pause/step by mouse and keys.
#include "TestForms.h"
#include "waves/newton/Unit7.h"
#include "widgets/DemoForm.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

namespace {

struct FakeProvider : TPictureProvider {
    bool data = true, theoryOk = true;
    QStringList readoutAt(QPoint pixel) const override {
        return {QStringLiteral("x = %1").arg(pixel.x()), QStringLiteral("y = %1").arg(pixel.y())};
    }
    bool hasData() const override { return data; }
    QString dataCsv() const override { return QStringLiteral("r, мм;I, %\n0.5;12.25\n"); }
    bool hasTheory() const override { return theoryOk; }
    OverlayMarks theory() const override {
        OverlayMarks m;
        m.lines << QLineF(0, 0, 50, 50);
        m.ellipses << QRectF(10, 10, 30, 30);
        m.points << QPointF(20, 20);
        m.legend << QStringLiteral("r = √(mλR)");
        return m;
    }
};

struct FakeAnimation : TAnimationControl {
    bool paused = false;
    int ticks = 0;
    bool isPaused() const override { return paused; }
    void setPaused(bool p) override { paused = p; }
    void step() override { ++ticks; }
};

// What the picture itself paints, without its children (the overlay).
QImage ownPixels(QWidget *w) {
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::black);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return img;
}

QAction *item(QMenu *menu, const QString &text) {
    for (QAction *a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// While it lives, no file of this process may grow past the limit: writes
// fail as on a full disk (the signal that would end us is ignored).
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

} // namespace

class TestOverlay : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void picturePixelsUntouched_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("picture");
        const char *rows[][2] = {{"TForm2", "Image1"},       {"TForm3", "Image1"},
                                 {"TForm4", "Image1"},       {"TForm4", "RxGIFAnimator1"},
                                 {"TForm5", "Image1"},       {"TForm6", "Image1"},
                                 {"TForm7", "Image1"},       {"TForm8", "Image1"},
                                 {"TForm9", "Image1"},       {"TForm10", "Image1"},
                                 {"TForm10", "Image2"},      {"TForm11", "Image1"},
                                 {"TForm11", "Image2"},      {"TForm12", "SourcePanel1"},
                                 {"TForm12", "GraphPanel1"}, {"TForm15", "Image1"},
                                 {"TForm51", "DifrPanel"},   {"Tform_Main", "im_Graphics"}};
        for (const auto &r : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(r[0], r[1])))
                << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]);
    }
    void picturePixelsUntouched() {
        QFETCH(QString, form);
        QFETCH(QString, picture);
        QWidget *w = windowOfClass(qPrintable(form));
        QVERIFY(w);
        auto *demo = static_cast<TDemoForm *>(w);
        demo->Show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        pumpFor(50);
        auto *pic = w->findChild<QWidget *>(picture);
        QVERIFY(pic);
        // Its page of the window in front.
        for (QWidget *c = pic; c->parentWidget(); c = c->parentWidget())
            if (auto *pages = qobject_cast<QStackedWidget *>(c->parentWidget()))
                pages->setCurrentWidget(c);
        pumpFor(50);
        TOverlay *o = TOverlay::of(pic);
        QVERIFY(o);
        auto *image = qobject_cast<TImage *>(pic);
        const QImage bitmap = image ? image->Bitmap : QImage();
        o->hide();
        const QImage bare = ownPixels(pic);
        FakeProvider fake;
        TPictureProvider *was = o->provider();
        o->setProvider(&fake);
        o->setProbe({5, 5});
        o->setTheoryShown(true);
        o->show();
        QVERIFY(!o->readout().isEmpty());
        const QImage after = ownPixels(pic);
        QCOMPARE(after.size(), bare.size());
        QCOMPARE(after, bare);
        if (image) QCOMPARE(image->Bitmap, bitmap);
        o->setTheoryShown(false);
        o->clearProbe();
        o->setProvider(was);
        demo->HideNow();
    }

    void menuFollowsProvider_data() {
        QTest::addColumn<bool>("data");
        QTest::addColumn<bool>("theory");
        QTest::newRow("both") << true << true;
        QTest::newRow("none") << false << false;
        QTest::newRow("theory only") << false << true;
    }
    void menuFollowsProvider() {
        QFETCH(bool, data);
        QFETCH(bool, theory);
        TImage pic;
        FakeProvider fake;
        fake.data = data;
        fake.theoryOk = theory;
        TOverlay *o = attachOverlay(&pic);
        o->setProvider(&fake);
        QMenu *m = o->contextMenu();
        QVERIFY(item(m, QStringLiteral("Копировать рисунок"))->isEnabled());
        QVERIFY(item(m, QStringLiteral("Сохранить рисунок…"))->isEnabled());
        QCOMPARE(item(m, QStringLiteral("Сохранить данные…"))->isEnabled(), data);
        QAction *t = item(m, QStringLiteral("Теория"));
        QCOMPARE(t->isEnabled(), theory);
        if (theory) {
            t->trigger();
            QVERIFY(o->theoryShown());
        }
    }

    void saving() {
        QTemporaryDir dir;
        TImage pic;
        pic.resize(40, 30);
        pic.Bitmap = QImage(40, 30, QImage::Format_RGB32);
        pic.Bitmap.fill(QColor(10, 200, 30));
        pic.Bitmap.setPixel(3, 4, qRgb(255, 0, 0));
        FakeProvider fake;
        TOverlay *o = attachOverlay(&pic);
        o->setProvider(&fake);
        const QString png = dir.filePath(QStringLiteral("a.png"));
        QVERIFY(o->savePicture(png));
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), pic.Bitmap);
        const QString csv = dir.filePath(QStringLiteral("a.csv"));
        QVERIFY(o->saveData(csv));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), fake.dataCsv());
        // A folder that is not there, a picture not drawn yet: a message, no file.
        const QString nowhere = dir.filePath(QStringLiteral("no/such/b.png"));
        QVERIFY(!o->savePicture(nowhere));
        QVERIFY(o->lastMessage());
        QVERIFY(o->lastMessage()->text().startsWith(QStringLiteral("Не удалось сохранить файл")));
        QVERIFY(!QFile::exists(nowhere));
        o->setHint(QStringLiteral("Нажмите «Построить»"));
        QVERIFY(!o->savePicture(dir.filePath(QStringLiteral("c.png"))));
        QVERIFY(o->lastMessage()->text().startsWith(QStringLiteral("Рисунка ещё нет")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
        // A full disk, as a file-size limit makes it: the old file stays whole.
        const QByteArray before = readAll(png);
        for (int i = 0; i < 40 * 30; ++i)
            pic.Bitmap.setPixel(i % 40, i / 40, qRgb(i * 37 % 256, i * 91 % 256, i % 256));
        o->setHint(QString());
        {
            FileSizeLimit limit(256);
            QVERIFY(!o->savePicture(png));
        }
        QVERIFY(o->lastMessage()->text().contains(QStringLiteral("не хватило места на диске")));
        QCOMPARE(readAll(png), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void pauseAndStep() {
        QWidget window;
        window.resize(200, 150);
        auto *pic = new TImage(&window);
        pic->setGeometry(0, 0, 200, 150);
        FakeAnimation anim;
        TOverlay *o = attachOverlay(pic);
        o->setAnimation(&anim);
        TOverlay::installKeys(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QEnterEvent enter(QPointF(50, 50), QPointF(50, 50), QPointF(50, 50));
        QApplication::sendEvent(pic, &enter);
        QVERIFY(o->controlsShown());
        QTest::mouseClick(pic, Qt::LeftButton, {}, o->stepButtonRect().center());
        QCOMPARE(anim.ticks, 0); // no step while running
        QTest::mouseClick(pic, Qt::LeftButton, {}, o->pauseButtonRect().center());
        QVERIFY(anim.paused);
        QTest::mouseClick(pic, Qt::LeftButton, {}, o->stepButtonRect().center());
        QCOMPARE(anim.ticks, 1);
        QTest::keyClick(&window, Qt::Key_Right);
        QCOMPARE(anim.ticks, 2);
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(!anim.paused);
        QTest::keyClick(&window, Qt::Key_Right);
        QCOMPARE(anim.ticks, 2);
    }

    void hintsGoWithFirstPicture() {
        struct Row {
            const char *form, *picture;
            std::function<void(QWidget *)> act;
        };
        auto click = [](const char *button) {
            return [button](QWidget *w) {
                w->findChild<QAbstractButton *>(QLatin1String(button))->click();
            };
        };
        const Row rows[] = {
            {"TForm15", "Image1",
             [](QWidget *w) { QMetaObject::invokeMethod(w, "Image1DblClick"); }},
            {"TForm9", "Image1", click("Button1")},
            {"TForm10", "Image2", click("Button1")},
            {"TForm7", "Image1", click("Button1")},
            {"TForm12", "SourcePanel1",
             [](QWidget *w) {
                 auto *strip = w->findChild<QWidget *>(QStringLiteral("SourcePanel1"));
                 QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(30, 5));
                 QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(30, 5));
             }},
        };
        for (const Row &r : rows) {
            QWidget *w = windowOfClass(r.form);
            QVERIFY2(w, r.form);
            TOverlay *o = TOverlay::of(w->findChild<QWidget *>(QLatin1String(r.picture)));
            QVERIFY2(o && !o->hint().isEmpty(), r.form);
            QVERIFY2(o->width() > 0 && o->height() > 0, r.form);
            r.act(w);
            QTRY_VERIFY2_WITH_TIMEOUT(o->hint().isEmpty(), r.form, 30000);
        }
    }

    // Every window's own prediction: present at defaults (after one run where
    // the picture is computed), with a legend, and drawn without touching
    // the bitmap.
    void windowTheory_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("run"); // button that computes, or empty
        const char *rows[][3] = {{"TForm2", "Image1", ""},
                                 {"TForm3", "Image1", ""},
                                 {"TForm4", "Image1", ""},
                                 {"TForm5", "Image1", ""},
                                 {"TForm6", "Image1", ""},
                                 {"TForm7", "Image1", "Button1"},
                                 {"TForm8", "Image1", ""},
                                 {"TForm9", "Image1", "Button1"},
                                 {"TForm10", "Image1", "Button1"},
                                 {"TForm10", "Image2", "Button1"},
                                 {"TForm11", "Image1", ""},
                                 {"TForm11", "Image2", ""},
                                 {"TForm12", "GraphPanel1", "Button1"},
                                 {"TForm15", "Image1", ""},
                                 {"TForm51", "DifrPanel", ""},
                                 {"Tform_Main", "im_Graphics", "BitBtn1"}};
        for (const auto &r : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(r[0], r[1])))
                << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1])
                << QString::fromLatin1(r[2]);
    }
    void windowTheory() {
        QFETCH(QString, form);
        QFETCH(QString, picture);
        QFETCH(QString, run);
        QWidget *w = windowOfClass(qPrintable(form));
        QVERIFY(w);
        auto *demo = static_cast<TDemoForm *>(w);
        demo->Show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (form == "TForm12") { // one source on the strip to compute from
            auto *strip = w->findChild<QWidget *>(QStringLiteral("SourcePanel1"));
            QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(30, 5));
        }
        if (!run.isEmpty()) w->findChild<QAbstractButton *>(run)->click();
        QWidget *pic = nullptr; // some windows reuse a name on another page
        for (QWidget *c : w->findChildren<QWidget *>(picture))
            if (TOverlay::of(c) && TOverlay::of(c)->provider()) pic = c;
        QVERIFY(pic);
        TOverlay *o = TOverlay::of(pic);
        QTRY_VERIFY_WITH_TIMEOUT(o->provider()->hasTheory(), 30000);
        QVERIFY(!o->provider()->theory().legend.isEmpty());
        // A still picture to compare: animations paused, and a picture drawn
        // ring by ring on a worker (Newton's) finished and handed over.
        if (form == "TForm7") QTRY_VERIFY_WITH_TIMEOUT(!Form7->isBusy(), 120000);
        for (TOverlay *any : w->findChildren<TOverlay *>())
            if (any->animation()) any->animation()->setPaused(true);
        auto *image = qobject_cast<TImage *>(pic);
        const auto pixels = [&] { return image ? image->Bitmap : ownPixels(pic); };
        QImage before = pixels();
        for (int i = 0; i < 600; ++i) {
            pumpFor(50);
            const QImage now = pixels();
            if (now == before) break;
            before = now;
        }
        o->setTheoryShown(true);
        pumpFor(50);
        QCOMPARE(pixels(), before);
        o->setTheoryShown(false);
        for (TOverlay *any : w->findChildren<TOverlay *>())
            if (any->animation()) any->animation()->setPaused(false);
        demo->HideNow();
    }
};

QTEST_MAIN(TestOverlay)
#include "tst_overlay.moc"
