#include "TestForms.h"
#include "geometric/prism/Unit4.h"
#include <QTabWidget>
class TestPrismWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        Form4->Show();
        pumpFor(50);
        qDebug() << Form4->size() << Form4->PageControl1->geometry() << Form4->TabSheet2->geometry() << Form4->Panel1->geometry() << Form4->Panel2->geometry();
        Form4->PageControl1->setCurrentIndex(1);
        pumpFor(50);
        qDebug() << Form4->size() << Form4->PageControl1->geometry() << Form4->TabSheet2->geometry() << Form4->Panel1->geometry() << Form4->Panel2->geometry();
    }
};
QTEST_MAIN(TestPrismWindow)
#include "tst_prism_window.moc"
