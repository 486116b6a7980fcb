// What a class needs of every window: names a screen reader can say, and
// F11 for full screen and back.
#include "TestForms.h"
#include "widgets/Accessible.h"
#include "widgets/DemoForm.h"

#include "widgets/Csafespinedit.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {

QString spokenName(QWidget *w) {
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

bool isControl(const QWidget *w) {
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const TCSpinEdit *>(w) || qobject_cast<const QAbstractSlider *>(w) ||
           qobject_cast<const QProgressBar *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

} // namespace

class TestClassroom : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        auto *dismiss = new QTimer(this);
        connect(dismiss, &QTimer::timeout, [] { dismissModals(); });
        dismiss->start(10);
    }

    void everyWindow_data() {
        QTest::addColumn<QString>("className");
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TDemoForm *>(w) || w->inherits("TForm1"))
                QTest::newRow(w->metaObject()->className()) << w->metaObject()->className();
    }

    // Every named control and every picture says something; a window's
    // pictures together say how to drive it.
    void controlsAndPicturesHaveNames_data() { everyWindow_data(); }
    void controlsAndPicturesHaveNames() {
        QFETCH(QString, className);
        QWidget *window = windowOfClass(className.toLatin1().constData());
        QVERIFY(window);
        QStringList silent;
        bool described = className == QLatin1String("TForm1");
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
                !(isPicture(w) || isControl(w)))
                continue;
            if (spokenName(w).trimmed().isEmpty()) silent << w->objectName();
            if (isPicture(w) && !w->accessibleDescription().isEmpty()) described = true;
        }
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QLatin1Char(' '))));
        QVERIFY(described);
    }

    void f11TogglesFullScreen_data() { everyWindow_data(); }
    void f11TogglesFullScreen() {
        QFETCH(QString, className);
        auto *w = qobject_cast<TDemoForm *>(windowOfClass(className.toLatin1().constData()));
        if (!w) QSKIP("the launcher keeps its fixed size");
        w->Show();
        pumpFor(30);
        if (!w->isVisible() || w->isFading())
            QSKIP("no OpenGL on this display: the window closed itself");
        const QSize design = w->size();
        QTest::keyClick(w, Qt::Key_F11);
        pumpFor(30);
        if (!w->isVisible() || w->isFading())
            QSKIP("no OpenGL on this display: the window closed itself");
        QVERIFY(w->isFullScreen());
        QCOMPARE(w->size(), w->screen()->geometry().size());
        // Esc leaves full screen and leaves the window shown.
        QTest::keyClick(w, Qt::Key_Escape);
        pumpFor(30);
        QVERIFY(!w->isFullScreen());
        QVERIFY(w->isVisible());
        QCOMPARE(w->size(), design);
        QTest::keyClick(w, Qt::Key_F11);
        QTest::keyClick(w, Qt::Key_F11);
        pumpFor(30);
        QVERIFY(!w->isFullScreen());
        QCOMPARE(w->size(), design);
        w->HideNow();
    }
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
