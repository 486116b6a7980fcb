// Without any OpenGL (the offscreen platform has none) the Malus window
// reports the failure and closes instead of crashing.
#include "TestForms.h"
#include "polarisation/malus/Unit16.h"

#include <QMessageBox>
#include <QTimer>

class TestMalusNoGL : public QObject {
    Q_OBJECT
  private slots:
    void failureClosesTheWindow() {
        ensureForms();
        QVERIFY(!OpticalBench::openGLAvailable());
        QString title, text;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        poll.start(20);
        Form16->Show();
        pumpFor(200 + TDemoForm::kFadeMs + 300);
        QCOMPARE(title, QStringLiteral("Error"));
        QCOMPARE(text, QStringLiteral("SetPixelFormat failed"));
        QVERIFY(!Form16->isVisible());
        QVERIFY(Form16->bench() == nullptr);
    }
};

QTEST_MAIN(TestMalusNoGL)
#include "tst_malus_nogl.moc"
