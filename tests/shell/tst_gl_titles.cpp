// Titles as the window manager receives them on a real X server: each window
// and message box carries exactly its own caption, nothing appended.
#include "GlDriver.h"
#include "TestForms.h"
#include "shell/Registry.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t *c, const char *name) {
    xcb_intern_atom_reply_t *r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

// The title the window manager shows: _NET_WM_NAME, as the platform set it.
QString managerTitle(QWidget *w) {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return {};
    xcb_connection_t *c = x11->connection();
    const xcb_get_property_cookie_t ck = xcb_get_property(
        c, 0, xcb_window_t(w->winId()), atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 0, 1024);
    xcb_get_property_reply_t *r = xcb_get_property_reply(c, ck, nullptr);
    QString title;
    if (r)
        title = QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(r)),
                                  xcb_get_property_value_length(r));
    std::free(r);
    return title;
}

} // namespace

class TestTitles : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (xcb platform)");
        // Start-up names the application as the program does.
        ensureForms();
        QVERIFY(!QApplication::applicationName().isEmpty());
    }
    void cleanupTestCase() { pinGlDriver(); }

    void windowTitleIsItsCaption_data() {
        QTest::addColumn<QString>("className");
        for (const WindowEntry &w : windowRegistry())
            QTest::newRow(w.meta->className()) << QString::fromLatin1(w.meta->className());
    }
    void windowTitleIsItsCaption() {
        QFETCH(QString, className);
        QWidget *w = windowOfClass(className.toLatin1().constData());
        QVERIFY(w);
        QVERIFY(!w->windowTitle().isEmpty());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(managerTitle(w), w->windowTitle());
        w->hide();
    }

    void messageBoxTitleIsItsText() {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Ой!"), QStringLiteral("Ошибка"),
                        QMessageBox::Ok);
        box.setWindowModality(Qt::NonModal);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(managerTitle(&box), QStringLiteral("Ой!"));
    }
};

QTEST_MAIN(TestTitles)
#include "tst_gl_titles.moc"
