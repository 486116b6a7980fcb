// The keyboard on the source strip: each key does what the mouse's clicks do
// (a right click where the source is, a left click with its brightness
// where it goes), and the focus frame follows the selected source.
#include "waves/interference/SourceKeys.h"
#include "waves/interference/SourcePanel.h"
#include "widgets/KeyboardDrag.h"
#include "widgets/Overlay.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

struct Click {
    Qt::MouseButton button;
    int position;
    int brightness;
};
using Clicks = QList<Click>;

// A real click of the mouse at a position of the strip.
void click(TSourcePanel &strip, const Click &c) {
    strip.setBrightness(c.brightness);
    const QPointF at(strip.columnOf(c.position), 10);
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, at, strip.mapToGlobal(at), c.button,
                      t == QEvent::MouseButtonPress ? c.button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&strip, &e);
    }
}

QList<QPair<int, int>> sources(const TSourcePanel &strip) {
    QList<QPair<int, int>> out;
    for (const InterferenceSource &s : strip.Sources.items())
        out << qMakePair(int(s.position), int(s.brightness));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Clicks)

class TestInterferenceKeys : public QObject {
    Q_OBJECT
  private slots:
    void keysAreTheMouseClicks_data() {
        QTest::addColumn<Clicks>("start"); // left clicks that place the sources
        QTest::addColumn<int>("tabs");     // from the leftmost source
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Clicks>("mouse"); // what the mouse does for the key
        const auto L = Qt::LeftButton, R = Qt::RightButton;
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier;
        QTest::newRow("right") << Clicks{{L, -10, 200}} << 0 << int(Qt::Key_Right) << none
                               << Clicks{{R, -10, 0}, {L, -9, 200}};
        QTest::newRow("shift left") << Clicks{{L, 5, 120}} << 0 << int(Qt::Key_Left) << shift
                                    << Clicks{{R, 5, 0}, {L, -5, 120}};
        QTest::newRow("past a neighbour")
            << Clicks{{L, 0, 255}, {L, 1, 90}} << 0 << int(Qt::Key_Right) << none
            << Clicks{{R, 0, 0}, {L, 2, 255}};
        QTest::newRow("second by tab")
            << Clicks{{L, 30, 60}, {L, -20, 50}} << 1 << int(Qt::Key_Left) << none
            << Clicks{{R, 30, 0}, {L, 29, 60}};
        QTest::newRow("shift at the end") << Clicks{{L, 95, 70}} << 0 << int(Qt::Key_Right) << shift
                                          << Clicks{{R, 95, 0}, {L, 99, 70}};
        QTest::newRow("no further")
            << Clicks{{L, 99, 70}} << 0 << int(Qt::Key_Right) << none << Clicks{};
        QTest::newRow("up moves nothing")
            << Clicks{{L, 3, 40}} << 0 << int(Qt::Key_Up) << none << Clicks{};
        QTest::newRow("insert at the centre")
            << Clicks{{L, 40, 10}} << 0 << int(Qt::Key_Insert) << none << Clicks{{L, 0, 33}};
        QTest::newRow("delete the selected") << Clicks{{L, 3, 10}, {L, 7, 20}} << 1
                                             << int(Qt::Key_Delete) << none << Clicks{{R, 7, 0}};
    }
    void keysAreTheMouseClicks() {
        QFETCH(Clicks, start);
        QFETCH(int, tabs);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Clicks, mouse);
        QWidget window;
        auto *keyed = new TSourcePanel(&window), *clicked = new TSourcePanel(&window);
        for (TSourcePanel *s : {keyed, clicked})
            s->resize(200, 20); // positions -100..99
        auto *keys = new TSourceKeys(keyed);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const Click &c : start) {
            click(*keyed, c);
            click(*clicked, c);
        }
        keyed->setBrightness(33); // what the brightness box says now
        clicked->setBrightness(33);
        keyed->setFocus();
        keys->drag()->select(0);
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(keyed, Qt::Key_Tab);
        QTest::keyClick(keyed, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        for (const Click &c : mouse)
            click(*clicked, c);
        QCOMPARE(sources(*keyed), sources(*clicked));
        QCOMPARE(keyed->brightness(), 33);
        // The frame on the overlay is around the source the arrows move next.
        const std::optional<int> selected = keys->selectedPosition();
        QCOMPARE(selected.has_value(), !keyed->Sources.items().empty());
        if (key != Qt::Key_Delete && !mouse.isEmpty())
            QCOMPARE(selected, std::optional<int>(mouse.last().position));
        if (selected)
            QVERIFY(TOverlay::of(keyed)->focusFrame().contains(keyed->columnOf(*selected), 10));
    }
};

QTEST_MAIN(TestInterferenceKeys)
#include "tst_interference_keys.moc"
