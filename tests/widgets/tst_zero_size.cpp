// Windows squeezed until their pictures have no width or no height: nothing
// is drawn and nothing is warned, and they draw again when they grow back.
#include "TestForms.h"
#include "widgets/DemoForm.h"

#include <QRegularExpression>

class TestZeroSize : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void squeezedWindowsStayQuiet_data() {
        QTest::addColumn<QString>("cls");
        ensureForms();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TDemoForm *>(w) && !w->inherits("TForm14") && !w->inherits("TForm16"))
                QTest::newRow(w->metaObject()->className())
                    << QString::fromLatin1(w->metaObject()->className());
    }
    void squeezedWindowsStayQuiet() {
        QFETCH(QString, cls);
        auto *w = qobject_cast<TDemoForm *>(windowOfClass(cls.toLatin1().constData()));
        QVERIFY(w);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QPainter|QImage|Paint device")));
        const QSize design = w->size();
        w->setMinimumSize(0, 0);
        w->Show();
        for (QSize s : {QSize(0, 0), QSize(design.width(), 0), QSize(0, design.height()),
                        QSize(1, 1), QSize(3, 200), QSize(200, 3)}) {
            w->resize(s);
            pumpFor(20);
        }
        pumpFor(600); // the deferred redraw of the ray diagrams
        w->resize(design);
        pumpFor(600);
        w->HideNow();
    }
};

QTEST_MAIN(TestZeroSize)
#include "tst_zero_size.moc"
