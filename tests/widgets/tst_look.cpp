// One even look over every window: one button face.
#include "TestForms.h"
#include "canvas/Colours.h"

#include <QMessageBox>

class TestLook : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void oneButtonFace_data() {
        QTest::addColumn<QString>("className");
        for (QWidget *w : QApplication::topLevelWidgets())
            QTest::newRow(w->metaObject()->className())
                << QString::fromLatin1(w->metaObject()->className());
    }
    void oneButtonFace() {
        QFETCH(QString, className);
        QWidget *w = windowOfClass(className.toLatin1().constData());
        QVERIFY(w);
        QCOMPARE(w->palette().color(QPalette::Window), colours::clBtnFace);
        QCOMPARE(w->palette().color(QPalette::Button), colours::clBtnFace);
        // What the window paints where nothing covers it.
        w->resize(w->size());
        const QImage shot = w->grab(QRect(w->width() - 1, w->height() - 1, 1, 1)).toImage();
        if (w->childAt(w->width() - 1, w->height() - 1) == nullptr)
            QCOMPARE(QColor(shot.pixel(0, 0)), colours::clBtnFace);
    }

    void dialogsShareTheFace() {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Ой!"), QStringLiteral("?"));
        QCOMPARE(box.palette().color(QPalette::Window), colours::clBtnFace);
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
