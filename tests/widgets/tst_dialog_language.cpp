// Qt's own dialogs as the program shows them: the lens window's colour
// chooser and a message box's standard buttons speak Russian.
#include "TestForms.h"
#include "geometric/lens/Unit3.h"

#include <QColorDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Every caption a dialog shows: title, buttons, labels.
QStringList textsOf(QWidget *dialog) {
    QStringList texts{dialog->windowTitle()};
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
        texts << b->text().remove(QLatin1Char('&'));
    for (QLabel *l : dialog->findChildren<QLabel *>())
        texts << l->text().remove(QLatin1Char('&'));
    return texts;
}

} // namespace

class TestDialogLanguage : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { ensureForms(); }

    void colourChooserIsRussian() {
        QStringList seen;
        bool found = false;
        QTimer::singleShot(200, this, [&] {
            if (auto *d = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
                found = true;
                seen = textsOf(d);
                d->reject();
            }
        });
        Form3->Show();
        const QColor before = Form3->ColorDialog1->Color;
        QVERIFY(!Form3->ColorDialog1->Execute()); // cancelled by the timer
        QVERIFY(found);
        QCOMPARE(Form3->ColorDialog1->Color, before);
        Form3->HideNow();
        for (const char *english : {"Select Color", "Basic colors", "Cancel", "Custom colors"})
            QVERIFY2(!seen.contains(QLatin1String(english)), english);
        QVERIFY2(seen.contains(QStringLiteral("Отмена")), qPrintable(seen.join(QLatin1Char('|'))));
        QVERIFY2(seen.contains(QStringLiteral("Основные цвета:")) ||
                     seen.contains(QStringLiteral("Основные цвета")),
                 qPrintable(seen.join(QLatin1Char('|'))));
    }

    void standardButtons_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringLiteral("Отмена");
        QTest::newRow("yes") << int(QMessageBox::Yes) << QStringLiteral("Да");
        QTest::newRow("no") << int(QMessageBox::No) << QStringLiteral("Нет");
        QTest::newRow("close") << int(QMessageBox::Close) << QStringLiteral("Закрыть");
    }
    void standardButtons() {
        QFETCH(int, button);
        QFETCH(QString, text);
        QMessageBox box(QMessageBox::Question, QStringLiteral("Ой!"), QStringLiteral("?"),
                        QMessageBox::StandardButton(button));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QAbstractButton *b = box.button(QMessageBox::StandardButton(button));
        QVERIFY(b && b->isVisible());
        QCOMPARE(b->text().remove(QLatin1Char('&')), text);
    }
};

QTEST_MAIN(TestDialogLanguage)
#include "tst_dialog_language.moc"
