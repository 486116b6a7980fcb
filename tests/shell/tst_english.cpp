// The program in English: no window, message, help page or picture shows a
// Cyrillic letter once the English translation is installed; without it the
// launcher and the help speak Russian.
#include "TestForms.h"
#include "atomic/xray/U_main.h"
#include "shell/Help.h"
#include "shell/Language.h"
#include "shell/Scale.h"
#include "shell/Unit1.h"
#include "widgets/Csafespinedit.h"
#include "widgets/DemoForm.h"
#include "widgets/Localised.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

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

QStringList cyrillicIn(const QStringList &texts) {
    QStringList russian;
    for (const QString &text : texts)
        if (hasCyrillic(text) && !russian.contains(text)) russian << text;
    return russian;
}

bool englishInstalled() {
    static const bool ready = [] {
        installLanguage(Language::English);
        ensureForms();
        return true;
    }();
    return ready;
}

// The pages of the help, from the Russian table of contents: each must have
// its English copy.
QStringList helpPages() {
    QFile f(QStringLiteral(":/help/contents.txt"));
    QStringList pages;
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return pages;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
        if (line.contains(QLatin1Char('|'))) pages << line.section(QLatin1Char('|'), 0, 0);
    return pages;
}

// Inputs a message case changed, put back after it.
std::vector<std::function<void()>> undo;

void type(const char *cls, const char *control, const QString &text) {
    QWidget *w = windowOfClass(cls)->findChild<QWidget *>(QLatin1String(control));
    if (auto *spin = qobject_cast<TCSpinEdit *>(w)) {
        undo.push_back([spin, old = spin->Text()] { spin->setText(old); });
        spin->setText(text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        undo.push_back([edit, old = edit->text()] { edit->setText(old); });
        edit->setText(text);
    }
}

using Inputs = std::vector<std::pair<const char *, const char *>>;

// Types the inputs into the window and presses its button.
std::function<void()> entering(const char *cls, Inputs inputs, const char *button = "Button1") {
    return [=] {
        for (const auto &[control, text] : inputs)
            type(cls, control, QString::fromLatin1(text));
        windowOfClass(cls)->findChild<QAbstractButton *>(QLatin1String(button))->click();
    };
}

struct MessageCase {
    const char *name;
    std::function<void()> open;
};

// Every message box the windows show, each opened the way a user meets it.
const std::vector<MessageCase> &messageCases() {
    static const std::vector<MessageCase> cases{
        {"newton: step", entering("TForm7", {{"Edit3", "0"}})},
        {"newton: no rings", entering("TForm7", {{"Edit2", "0"}})},
        {"newton: curvature", entering("TForm7", {{"Edit1", "0.001"}})},
        {"newton: wavelength", entering("TForm7", {{"Edit4", "0"}})},
        {"newton: out of range", entering("TForm7", {{"Edit1", "1e3000"}})},
        {"newton: too many rings", entering("TForm7", {{"Edit3", "1e-12"}})},
        {"fraunhofer: wavelength", entering("TForm9", {{"CSpinEdit1", "0"}})},
        {"fraunhofer: distance", entering("TForm9", {{"Edit2", "0"}})},
        {"fraunhofer: screen", entering("TForm9", {{"Edit5", "0"}})},
        {"fresnel: wavelength", entering("TForm10", {{"CSpinEdit1", "0"}})},
        {"fresnel: source", entering("TForm10", {{"Edit1", "0"}})},
        {"fresnel: screen distance", entering("TForm10", {{"Edit2", "-1"}})},
        {"fresnel: screen radius", entering("TForm10", {{"Edit4", "0"}})},
        {"fresnel: steps", entering("TForm10", {{"CSpinEdit2", "0"}})},
        {"interference: not a number", entering("TForm12", {{"Edit2", "0.5x"}})},
        {"interference: no memory", entering("TForm12", {{"Edit2", "1e300"}, {"Edit3", "1e-300"}})},
        {"x-ray: data error",
         [] {
             QComboBox *elements = form_Main->cb_Elements;
             elements->setCurrentIndex(elements->findText(QStringLiteral("Unknown")));
             form_Main->UnknownElement = 0; // as if no hidden element had been picked
             form_Main->BitBtn1Click();
         }},
        {"launcher: restart fails",
         [] {
             const auto start = TForm1::startProgram;
             undo.push_back([start] { TForm1::startProgram = start; });
             TForm1::startProgram = [](const QString &, const QStringList &) { return false; };
             Form1->ScaleChosen(programScale() == 2 ? 1.5 : 2);
         }},
        {"brewster: no OpenGL", [] { static_cast<TDemoForm *>(windowOfClass("TForm14"))->Show(); }},
        {"malus: no OpenGL", [] { static_cast<TDemoForm *>(windowOfClass("TForm16"))->Show(); }},
        {"overlay: saving fails",
         [] {
             windowOfClass("TForm3")->findChild<TOverlay *>()->savePicture(
                 QStringLiteral("/nonexistent/picture.png"));
         }},
    };
    return cases;
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
        THelpWindow help;
        QCOMPARE(help.windowTitle(), QStringLiteral("Справка по программе"));
        QCOMPARE(help.Contents->item(0)->text(), QStringLiteral("Лумивиста: о программе"));
        QVERIFY(help.Page->toPlainText().contains(QStringLiteral("семнадцати")));
    }

    void noCyrillicInEnglish_data() {
        QTest::addColumn<QByteArray>("cls");
        for (int i = 0; i < formCount(); ++i)
            QTest::newRow(formCreationOrder()[i]) << QByteArray(formCreationOrder()[i]);
    }
    void noCyrillicInEnglish() {
        QFETCH(QByteArray, cls);
        QVERIFY(englishInstalled());
        QWidget *window = windowOfClass(cls.constData());
        QVERIFY2(window, cls.constData());
        const QStringList russian = cyrillicIn(textsOf(window));
        const QString report =
            QStringLiteral("%1 shows: %2")
                .arg(QString::fromLatin1(cls), russian.join(QStringLiteral(" | ")));
        QVERIFY2(russian.isEmpty(), qPrintable(report));
    }

    void helpPagesInEnglish_data() {
        QTest::addColumn<QString>("page");
        for (const QString &page : helpPages())
            QTest::newRow(qPrintable(page)) << page;
    }
    void helpPagesInEnglish() {
        QFETCH(QString, page);
        QVERIFY(englishInstalled());
        THelpWindow help;
        help.showPage(page);
        const QString body = help.Page->toPlainText();
        QVERIFY2(body.size() > 500, qPrintable(page + QStringLiteral(" is missing")));
        QStringList texts = body.split(QLatin1Char('\n'));
        texts << help.windowTitle() << help.Page->documentTitle();
        for (int i = 0; i < help.Contents->count(); ++i)
            texts << help.Contents->item(i)->text();
        QCOMPARE(help.Contents->count(), helpPages().size());
        const QStringList russian = cyrillicIn(texts);
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QStringLiteral(" | "))));
    }

    void messagesInEnglish_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < messageCases().size(); ++i)
            QTest::newRow(messageCases()[i].name) << int(i);
    }
    void messagesInEnglish() {
        QFETCH(int, index);
        QVERIFY(englishInstalled());
        QStringList shown;
        // Boxes that block (the static ones) are read and closed from the
        // event loop they run.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&shown] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (!box || !box->isVisible() || !shown.isEmpty()) continue;
                shown << box->windowTitle() << box->text();
                for (QAbstractButton *b : box->buttons())
                    shown << b->text();
                box->close();
            }
        });
        poll.start(10);
        messageCases()[std::size_t(index)].open();
        QTRY_VERIFY(!shown.isEmpty());
        poll.stop();
        for (auto it = undo.rbegin(); it != undo.rend(); ++it)
            (*it)();
        undo.clear();
        QVERIFY(!shown[0].isEmpty() && !shown[1].isEmpty());
        const QStringList russian = cyrillicIn(shown);
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QStringLiteral(" | "))));
    }

    // The pictures that carry words are the English copies.
    void picturesInEnglish_data() {
        QTest::addColumn<QByteArray>("cls");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("resource");
        QTest::newRow("spectrometer") << QByteArray("TForm4") << "Image3"
                                      << ":/prism/spectrometer.png";
        QTest::newRow("electron set-up") << QByteArray("TForm51") << "Image2"
                                         << ":/microparticles/setup.png";
        QTest::newRow("electron pattern") << QByteArray("TForm51") << "Image3"
                                          << ":/microparticles/pattern.png";
        QTest::newRow("diffraction bench") << QByteArray("TForm13") << "Image1"
                                           << ":/diffraction/bench.png";
        QTest::newRow("diffraction slits") << QByteArray("TForm13") << "Image2"
                                           << ":/diffraction/slits.png";
        QTest::newRow("diffraction zones") << QByteArray("TForm13") << "Image4"
                                           << ":/diffraction/zones.png";
        QTest::newRow("diffraction set-ups") << QByteArray("TForm13") << "Image3"
                                             << ":/diffraction/setups.png";
    }
    void picturesInEnglish() {
        QFETCH(QByteArray, cls);
        QFETCH(QString, label);
        QFETCH(QString, resource);
        QVERIFY(englishInstalled());
        QWidget *window = windowOfClass(cls.constData());
        // Pictures are made on a window's first show.
        if (auto *form = qobject_cast<TDemoForm *>(window)) form->buildDeferred();
        QWidget *w = window->findChild<QWidget *>(label);
        QImage shown;
        if (auto *l = qobject_cast<QLabel *>(w)) shown = l->pixmap().toImage();
        if (auto *image = qobject_cast<TImage *>(w)) shown = image->Bitmap;
        const QString english = localisedResource(resource);
        QCOMPARE_NE(english, resource);
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 QImage(english).convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
