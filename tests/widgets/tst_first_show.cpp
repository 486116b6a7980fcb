// Windows never shown hold no decoded or drawn pictures (they are made on
// the first show), and once shown every picture on every page is there.
#include "TestForms.h"
#include "atomic/microparticles/DifrPanel.h"
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <QLabel>
#include <QMovie>
#include <QTabWidget>

namespace {

// Labels that show a picture carry the names of the layout's pictures.
bool isPictureLabel(const QLabel *l) {
    return l->objectName().startsWith(QLatin1String("Image")) ||
           l->objectName().startsWith(QLatin1String("RxGIFAnimator"));
}

qsizetype pictureBytes(QWidget *window) {
    qsizetype bytes = 0;
    for (TImage *image : window->findChildren<TImage *>())
        bytes += image->Bitmap.sizeInBytes();
    for (QLabel *l : window->findChildren<QLabel *>()) {
        const QPixmap shown = l->movie() ? l->movie()->currentPixmap() : l->pixmap();
        bytes += qsizetype(shown.width()) * shown.height() * 4;
    }
    for (TDifrPanel *screen : window->findChildren<TDifrPanel *>())
        bytes += qsizetype(screen->grid().cellBytes());
    return bytes;
}

// The pictures of the window's current page that show nothing.
QStringList emptyPictures(QWidget *window) {
    QStringList empty;
    for (TImage *image : window->findChildren<TImage *>())
        if (image->isVisibleTo(window) && image->Bitmap.isNull()) empty << image->objectName();
    for (QLabel *l : window->findChildren<QLabel *>())
        if (isPictureLabel(l) && l->isVisibleTo(window) &&
            (l->movie() ? l->movie()->currentPixmap().isNull() : l->pixmap().isNull()))
            empty << l->objectName();
    return empty;
}

} // namespace

class TestFirstShow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void everyWindow_data() {
        QTest::addColumn<QString>("className");
        // Pictures empty until the user computes them.
        QTest::addColumn<QStringList>("computed");
        const QHash<QString, QStringList> computed{{"TForm7", {"Image1"}}};
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TDemoForm *>(w))
                QTest::newRow(w->metaObject()->className())
                    << w->metaObject()->className() << computed.value(w->metaObject()->className());
    }

    // Small glyphs and icons may be made at once; nothing of a window's size.
    void hiddenWindowsHoldNoPictures_data() { everyWindow_data(); }
    void hiddenWindowsHoldNoPictures() {
        QFETCH(QString, className);
        QWidget *w = windowOfClass(className.toLatin1().constData());
        QVERIFY(w && !w->isVisible());
        QVERIFY2(pictureBytes(w) <= 64 * 1024, qPrintable(QString::number(pictureBytes(w))));
    }

    void shownWindowsShowTheirPictures_data() { everyWindow_data(); }
    void shownWindowsShowTheirPictures() {
        QFETCH(QString, className);
        QFETCH(QStringList, computed);
        // Their pictures are 3D views, which need a display with OpenGL.
        if ((className == "TForm14" || className == "TForm16") &&
            QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("a 3D view cannot be shown offscreen");
        auto *w = qobject_cast<TDemoForm *>(windowOfClass(className.toLatin1().constData()));
        w->Show();
        pumpFor(30);
        if (!w->isVisible() || w->isFading()) QSKIP("no OpenGL on this display: the window closed");
        QStringList empty = emptyPictures(w);
        const auto pages = w->findChildren<QTabWidget *>();
        for (QTabWidget *tabs : pages)
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                pumpFor(10);
                empty += emptyPictures(w);
            }
        for (const QString &name : computed)
            empty.removeAll(name);
        QVERIFY2(empty.isEmpty(), qPrintable(empty.join(QLatin1Char(' '))));
        w->HideNow();
    }
};

QTEST_MAIN(TestFirstShow)
#include "tst_first_show.moc"
