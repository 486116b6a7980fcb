// The scheme page of the interference window: the wave arcs keep clear of
// the headings, so every heading reads whole.
#include "canvas/Fonts.h"
#include "waves/interference/InterferenceScheme.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>

class TestInterferenceScheme : public QObject {
    Q_OBJECT
  private slots:
    void textsClearOfTheWaves_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("baseline");
        QTest::newRow("top heading")
            << QStringLiteral("Точечный источник, две щели, экран") << QPoint(10, 18);
        QTest::newRow("lower heading")
            << QStringLiteral("Схема опыта с двумя щелями") << QPoint(10, 190);
        QTest::newRow("screen") << QStringLiteral("экран") << QPoint(228, 164);
    }
    void textsClearOfTheWaves() {
        QFETCH(QString, text);
        QFETCH(QPoint, baseline);
        const QImage img = drawInterferenceScheme();
        const QRect box = QFontMetrics(pixelFont(12))
                              .boundingRect(text)
                              .translated(baseline)
                              .adjusted(-2, -2, 2, 2);
        QVERIFY(img.rect().contains(box));
        int ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = img.pixelColor(x, y);
                // The waves are drawn red; the texts dark blue-grey.
                QVERIFY2(c.red() - c.green() < 60,
                         qPrintable(QStringLiteral("wave at %1,%2").arg(x).arg(y)));
                if (c.lightness() < 128) ++ink;
            }
        QVERIFY(ink > 0); // the text itself is there
    }
};

QTEST_MAIN(TestInterferenceScheme)
#include "tst_interference_scheme.moc"
