// The reading page on diffraction: fixed width, the blocks with their exact
// texts, colours and places, the pictures, and wheel scrolling one line per
// event.
#include "TestForms.h"
#include "waves/diffraction/Unit13.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

QScrollBar *bar() {
    return Form13->ScrollBox1->verticalScrollBar();
}

void wheelAt(QWidget *w, QPoint angle, QPoint pixels = {},
             Qt::ScrollPhase phase = Qt::NoScrollPhase) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), pixels, angle, Qt::NoButton, Qt::NoModifier, phase,
                  false);
    QApplication::sendEvent(w, &e);
}

// Same left edge and width; as high or lower, as tall or taller.
bool atOrBelow(const QRect &got, const QRect &drawn) {
    return got.left() == drawn.left() && got.width() == drawn.width() && got.top() >= drawn.top() &&
           got.height() >= drawn.height();
}

QColor paletteColour(const QLabel *l, QPalette::ColorRole role) {
    return l->palette().color(role);
}

} // namespace

class TestDiffractionPage : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        ensureForms();
        clickLauncherButton("SpeedButton13");
        pumpFor(50);
        QVERIFY(Form13->isVisible());
    }

    void init() {
        Form13->resize(532, 714);
        bar()->setValue(1000);
    }

    void widthIsFixed() {
        QCOMPARE(Form13->width(), 532);
        QCOMPARE(Form13->minimumWidth(), 532);
        QCOMPARE(Form13->maximumWidth(), 532);
        Form13->resize(800, 500);
        QCOMPARE(Form13->width(), 532);
        QCOMPARE(Form13->height(), 500);
        Form13->resize(300, 900);
        QCOMPARE(Form13->width(), 532);
        QCOMPARE(Form13->ScrollBox1->horizontalScrollBar()->isVisible(), false);
    }

    void blocksAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("back"); // invalid: the page's own colour
        const QColor none, black(0, 0, 0), white(255, 255, 255);
        QTest::newRow("Label1") << "Label1" << QRect(64, 8, 383, 40) << 2 << black << none;
        QTest::newRow("Label2") << "Label2" << QRect(8, 520, 490, 80) << 1 << black << none;
        QTest::newRow("Label5") << "Label5" << QRect(24, 952, 470, 60) << 3 << black << none;
        QTest::newRow("Label6") << "Label6" << QRect(24, 1024, 478, 100) << 5 << white
                                << QColor(0x00, 0x00, 0x80);
        QTest::newRow("Label7") << "Label7" << QRect(24, 1128, 478, 225) << 11 << white
                                << QColor(0x00, 0x80, 0x80);
        QTest::newRow("Label8") << "Label8" << QRect(24, 1360, 478, 80) << 4 << black
                                << QColor(0xFF, 0x00, 0xFF);
        QTest::newRow("Label3") << "Label3" << QRect(24, 1448, 463, 240) << 12 << black << none;
    }
    void blocksAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        QFETCH(int, lineCount);
        QFETCH(QColor, text);
        QFETCH(QColor, back);
        auto *l = Form13->Panel1->findChild<QLabel *>(name);
        QVERIFY(l);
        // A block may stand lower and be taller than drawn, for its text.
        QVERIFY(atOrBelow(l->geometry(), box));
        box = l->geometry();
        const QStringList lines = l->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), lineCount);
        // Every line but the last keeps its trailing blank.
        for (int i = 0; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].endsWith(QLatin1Char(' ')), qPrintable(lines[i]));
        QVERIFY(l->font().bold());
        QCOMPARE(l->font().pixelSize(), 16);
        QVERIFY(l->alignment() & Qt::AlignHCenter);
        QCOMPARE(paletteColour(l, QPalette::WindowText), text);
        // Each line fits the width (the height: textsShowWhole).
        if (!l->wordWrap()) {
            for (const QString &line : lines)
                QVERIFY2(l->fontMetrics().horizontalAdvance(line) <= box.width(), qPrintable(line));
        }
        // Coloured blocks show their colour on the rendered page, at the
        // block's bottom-left corner where no letter stands.
        if (back.isValid()) {
            QCOMPARE(paletteColour(l, QPalette::Window), back);
            const QImage page =
                Form13->Panel1->grab(QRect(box.left(), box.bottom() - 2, 3, 3)).toImage();
            QCOMPARE(QColor(page.pixel(1, 1)), back);
        }
    }

    // The label's own layout of its text fits its box, and no text box
    // reaches into a picture or another text.
    void textsShowWhole_data() {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"Label1", "Label2", "Label5", "Label6", "Label7", "Label8", "Label3"})
            QTest::newRow(name) << name;
    }
    void textsShowWhole() {
        QFETCH(QString, name);
        auto *l = Form13->Panel1->findChild<QLabel *>(name);
        QVERIFY(l);
        const QRect box = l->geometry();
        QVERIFY2(l->heightForWidth(box.width()) <= box.height(),
                 qPrintable(QString::number(l->heightForWidth(box.width()))));
        for (const QLabel *other : Form13->Panel1->findChildren<QLabel *>())
            QVERIFY2(other == l || !other->geometry().intersects(box),
                     qPrintable(other->objectName()));
    }

    void exactTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1") << "Label1"
                                << QStringLiteral("Наблюдение дифракции при помощи \n"
                                                  "неонового лазера и треугольного отверстия");
        QTest::newRow("Label2")
            << "Label2"
            << QStringLiteral("Экспериментально полученные картины дифракции на щели излучения "
                              "гелий-неонового (на длине волны 633 нм - красный цвет) и "
                              "аргонового (на длине волны 488 нм - синий цвет) лазеров.");
        QTest::newRow("Label6") << "Label6"
                                << QStringLiteral("Вблизи препятствия световой пучок сохраняет \n"
                                                  "структуру, заданную формой объекта, т.е. \n"
                                                  "дифракционная картина подобна изображению \n"
                                                  "объекта. Эту область называют "
                                                  "геометрооптической \n"
                                                  "областью или прожекторной.");
        QTest::newRow("Label8") << "Label8"
                                << QStringLiteral(
                                       "С дальнейшим ростом расстояния пространственная \n"
                                       "структура дифракционной картины становится \n"
                                       "устойчивой. Изменяется только масштаб. Это область \n"
                                       "дифракции Фраунгофера.");
    }
    void exactTexts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto *l = Form13->Panel1->findChild<QLabel *>(name);
        QVERIFY(l);
        QCOMPARE(l->text(), text);
    }

    // The two double blanks of the layout are kept.
    void doubleBlanksKept() {
        QVERIFY(Form13->Label7->text().contains(
            QStringLiteral("геометрическое  изображение исходного объекта. \n")));
        QVERIFY(Form13->Label3->text().startsWith(
            QStringLiteral("Расстояние от источника излучения до отверстия \nопределяет  форму")));
        QVERIFY(Form13->Label7->text().endsWith(
            QStringLiteral("Эту область называют областью дифракции Френеля.")));
        QVERIFY(Form13->Label3->text().endsWith(QStringLiteral("\nотверстием.")));
    }

    void pictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::newRow("Image1") << "Image1" << QRect(8, 64, 489, 452);
        QTest::newRow("Image2") << "Image2" << QRect(24, 632, 465, 305);
        QTest::newRow("Image4") << "Image4" << QRect(16, 1696, 490, 144);
        QTest::newRow("Image3") << "Image3" << QRect(8, 1856, 500, 589);
    }
    void pictures() {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        auto *l = Form13->Panel1->findChild<QLabel *>(name);
        QVERIFY(l);
        QVERIFY(atOrBelow(l->geometry(), box));
        QCOMPARE(l->size(), box.size());
        QCOMPARE(l->pixmap().size(), box.size());
    }

    void pageScrollsToItsFullHeight() {
        // The page ends with the last picture, in order below the others.
        const int height = Form13->Panel1->height();
        QCOMPARE(Form13->Panel1->width(), 505);
        QVERIFY(height >= 2455);
        QCOMPARE(height - 2455, Form13->Image3->y() - 1856);
        QVERIFY(Form13->Image1->y() < Form13->Image2->y());
        QVERIFY(Form13->Image2->y() < Form13->Image4->y());
        QVERIFY(Form13->Image4->geometry().bottom() < Form13->Image3->y());
        const int view = Form13->ScrollBox1->viewport()->height();
        QCOMPARE(bar()->maximum(), height - view);
        bar()->setValue(bar()->maximum());
        const QPoint bottom =
            Form13->Panel1->mapTo(Form13->ScrollBox1->viewport(), QPoint(0, height));
        QCOMPARE(bottom.y(), view);
        // Taller than the page: nothing left to scroll.
        Form13->resize(532, height + 150);
        QCOMPARE(bar()->maximum(), 0);
    }

    void oneLinePerWheelEvent_data() {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<QPoint>("pixels");
        QTest::addColumn<int>("lines"); // -1 up, 1 down, 0 none
        QTest::newRow("one notch up") << QPoint(0, 120) << QPoint() << -1;
        QTest::newRow("ten notches up at once") << QPoint(0, 1200) << QPoint() << -1;
        QTest::newRow("ten notches down at once") << QPoint(0, -1200) << QPoint() << 1;
        QTest::newRow("fine wheel up") << QPoint(0, 8) << QPoint() << -1;
        QTest::newRow("fine wheel down") << QPoint(0, -1) << QPoint() << 1;
        QTest::newRow("zero distance") << QPoint() << QPoint() << 1;
        QTest::newRow("pixels only, up") << QPoint() << QPoint(0, 3) << -1;
        QTest::newRow("sideways tilt") << QPoint(120, 0) << QPoint() << 0;
    }
    void oneLinePerWheelEvent() {
        QFETCH(QPoint, angle);
        QFETCH(QPoint, pixels);
        QFETCH(int, lines);
        const int step = bar()->singleStep();
        QVERIFY(step > 1);
        // Wherever the pointer is: on the page, on a block, on the bar.
        for (QWidget *w : {static_cast<QWidget *>(Form13->ScrollBox1->viewport()),
                           static_cast<QWidget *>(Form13->Label7),
                           static_cast<QWidget *>(Form13->Image3), static_cast<QWidget *>(bar())}) {
            bar()->setValue(1000);
            wheelAt(w, angle, pixels);
            QCOMPARE(bar()->value(), 1000 + lines * step);
        }
    }

    void gestureMarksDoNotScroll() {
        wheelAt(Form13->ScrollBox1->viewport(), {}, {}, Qt::ScrollBegin);
        wheelAt(Form13->ScrollBox1->viewport(), {}, {}, Qt::ScrollEnd);
        QCOMPARE(bar()->value(), 1000);
        wheelAt(Form13->ScrollBox1->viewport(), {0, 15}, {0, 2}, Qt::ScrollUpdate);
        QCOMPARE(bar()->value(), 1000 - bar()->singleStep());
    }

    // A flood of small events from a touch pad: each moves one line, the
    // page stops at its ends, and the window keeps up.
    void burstOfEventsStaysResponsive() {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 3000; ++i)
            wheelAt(Form13->Label6, QPoint(0, -2));
        QApplication::processEvents();
        QCOMPARE(bar()->value(), bar()->maximum());
        for (int i = 0; i < 3000; ++i)
            wheelAt(Form13->Label6, QPoint(0, 2));
        QApplication::processEvents();
        QCOMPARE(bar()->value(), 0);
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
    }
};

QTEST_MAIN(TestDiffractionPage)
#include "tst_diffraction_page.moc"
