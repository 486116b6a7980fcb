#include "waves/interference/SourceKeys.h"

#include "waves/interference/SourcePanel.h"
#include "widgets/KeyboardDrag.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

std::vector<int> sortedPositions(const SourceList &list) {
    std::vector<int> positions;
    for (const InterferenceSource &s : list.items())
        positions.push_back(s.position);
    std::sort(positions.begin(), positions.end());
    return positions;
}

} // namespace

TSourceKeys::TSourceKeys(TSourcePanel *s) : QObject(s), strip(s), keys(new TKeyboardDrag(s, {})) {
    strip->installEventFilter(this);
    connect(strip, &TSourcePanel::sourcesChanged, this, &TSourceKeys::rebuild);
    rebuild();
}

std::optional<int> TSourceKeys::selectedPosition() const {
    const std::vector<int> positions = sortedPositions(strip->Sources);
    if (positions.empty()) return std::nullopt;
    return positions[std::size_t(std::clamp(keys->selected(), 0, int(positions.size()) - 1))];
}

// One object per source, in the order of the strip.
void TSourceKeys::rebuild() {
    const std::vector<int> positions = sortedPositions(strip->Sources);
    QList<TKeyboardDrag::Object> objects;
    int index = keys->selected();
    for (int p : positions) {
        if (follow == p) index = int(objects.size());
        TKeyboardDrag::Object o;
        o.move = [this, p](QPoint d) { moveSource(p, d.x()); };
        o.frame = [this, p] { return QRect(strip->columnOf(p) - 2, 3, 5, strip->height() - 6); };
        objects << o;
    }
    keys->setObjects(objects, index);
}

void TSourceKeys::moveSource(int position, int step) {
    const int lo = -(strip->width() / 2), hi = strip->width() - 1 - strip->width() / 2;
    const std::optional<int> to = movedPosition(strip->Sources, position, step, lo, hi);
    if (!to) return;
    const int was = strip->brightness();
    strip->setBrightness(strip->Sources.brightnessAt(position));
    follow = *to;
    strip->clickAt(Qt::RightButton, position);
    strip->clickAt(Qt::LeftButton, *to);
    strip->setBrightness(was);
}

bool TSourceKeys::eventFilter(QObject *watched, QEvent *event) {
    if (watched != strip) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        // The source a click makes is the one the arrows move next.
        const auto *m = static_cast<QMouseEvent *>(event);
        follow = int(m->position().toPoint().x()) - strip->width() / 2;
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto *k = static_cast<QKeyEvent *>(event);
    if (k->modifiers() != Qt::NoModifier) return false;
    if (k->key() == Qt::Key_Insert) {
        follow = 0;
        strip->clickAt(Qt::LeftButton, 0);
        return true;
    }
    const std::optional<int> selected = selectedPosition();
    if (k->key() == Qt::Key_Delete && selected) {
        strip->clickAt(Qt::RightButton, *selected);
        return true;
    }
    return false;
}
