// The program in English: no window shows a Cyrillic letter once the English
// translation is installed; without it the launcher speaks Russian.
#include "TestForms.h"
#include "shell/Language.h"
#include "shell/Unit1.h"
#include "widgets/Overlay.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <memory>

namespace {

bool hasCyrillic(const QString &text) {
    for (QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

void addWidgetTexts(QWidget *w, QStringList &texts) {
    texts << w->toolTip() << w->statusTip() << w->accessibleName() << w->accessibleDescription();
    if (auto *l = qobject_cast<QLabel *>(w)) texts << l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w)) texts << b->text();
    if (auto *g = qobject_cast<QGroupBox *>(w)) texts << g->title();
    if (auto *c = qobject_cast<QComboBox *>(w))
        for (int i = 0; i < c->count(); ++i)
            texts << c->itemText(i);
    if (auto *t = qobject_cast<QTabWidget *>(w))
        for (int i = 0; i < t->count(); ++i)
            texts << t->tabText(i) << t->tabToolTip(i);
    if (auto *t = qobject_cast<QTableWidget *>(w))
        for (int i = 0; i < t->columnCount(); ++i)
            if (QTableWidgetItem *h = t->horizontalHeaderItem(i)) texts << h->text();
    for (QAction *a : w->actions())
        texts << a->text() << a->toolTip();
}

// Every text the window can show, each page of each tab widget visited.
QStringList textsOf(QWidget *window) {
    QStringList texts{window->windowTitle()};
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
        }
        tabs->setCurrentIndex(current);
    }
    addWidgetTexts(window, texts);
    for (QWidget *w : window->findChildren<QWidget *>())
        addWidgetTexts(w, texts);
    for (TOverlay *overlay : window->findChildren<TOverlay *>()) {
        std::unique_ptr<QMenu> menu(overlay->contextMenu());
        for (QAction *a : menu->actions())
            texts << a->text();
    }
    return texts;
}

} // namespace

class TestEnglish : public QObject {
    Q_OBJECT
  private slots:
    // Runs first: no language installed yet.
    void launcherIsRussianByDefault() {
        QCOMPARE(programLanguage(), Language::Russian);
        TForm1 launcher;
        QCOMPARE(launcher.windowTitle(), QStringLiteral("Демонстрации"));
        const auto caption = [&](const char *name) {
            auto *b = launcher.findChild<QAbstractButton *>(QLatin1String(name));
            return b ? b->text() : QString();
        };
        QCOMPARE(caption("SpeedButton10"), QStringLiteral("Поляризация волны"));
        QCOMPARE(caption("SpeedButton19"), QStringLiteral("Рентгеновские спектры"));
        QCOMPARE(caption("SpeedButton3"), QStringLiteral("Выход из программы"));
    }

    void noCyrillicInEnglish_data() {
        QTest::addColumn<QByteArray>("cls");
        for (int i = 0; i < formCount(); ++i)
            QTest::newRow(formCreationOrder()[i]) << QByteArray(formCreationOrder()[i]);
    }
    void noCyrillicInEnglish() {
        QFETCH(QByteArray, cls);
        static const bool ready = [] {
            installLanguage(Language::English);
            ensureForms();
            return true;
        }();
        QVERIFY(ready);
        QWidget *window = windowOfClass(cls.constData());
        QVERIFY2(window, cls.constData());
        QStringList russian;
        for (const QString &text : textsOf(window))
            if (hasCyrillic(text) && !russian.contains(text)) russian << text;
        const QString report =
            QStringLiteral("%1 shows: %2")
                .arg(QString::fromLatin1(cls), russian.join(QStringLiteral(" | ")));
        QVERIFY2(russian.isEmpty(), qPrintable(report));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
