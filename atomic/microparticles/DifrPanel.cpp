#include "atomic/microparticles/DifrPanel.h"

#include "atomic/microparticles/DifrScreen.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
// Beyond this many hits in one go, one bounding rectangle is repainted:
// a region of many rectangles costs more than rescanning the grid under it.
constexpr std::size_t kMaxPendingRects = 64;
} // namespace

TDifrPanel::TDifrPanel(QWidget *parent) : TPanel(parent) {
    setFrameStyle(QFrame::NoFrame);
    // Every pixel of the update region is painted here.
    setAttribute(Qt::WA_OpaquePaintEvent);
    pending.reserve(kMaxPendingRects);
}

void TDifrPanel::setBackground(const QColor &c) {
    back = c;
    update();
}

bool TDifrPanel::AddHit(int dx, int dy) {
    if (!hits.add(dx, dy, width(), height())) return false;
    // The whole plus sign around the hit's pixel.
    const QRect dot(width() / 2 + dx - 1, height() / 2 + dy - 1, 3, 3);
    pendingBound |= dot;
    if (pending.size() < kMaxPendingRects) pending.push_back(dot);
    if (!flushPosted) {
        flushPosted = true;
        QMetaObject::invokeMethod(this, &TDifrPanel::flushHits, Qt::QueuedConnection);
    }
    return true;
}

void TDifrPanel::flushHits() {
    flushPosted = false;
    if (pendingBound.isNull()) return;
    if (pending.size() < kMaxPendingRects) {
        for (const QRect &r : pending)
            update(r);
    } else {
        update(pendingBound);
    }
    pending.clear();
    pendingBound = QRect();
}

void TDifrPanel::ClearField() {
    hits.clear();
    pending.clear();
    pendingBound = QRect();
    update();
}

void TDifrPanel::resizeEvent(QResizeEvent *event) {
    TPanel::resizeEvent(event);
    // The centre moves: everything is painted afresh from the grid.
    pending.clear();
    pendingBound = QRect();
    update();
}

void TDifrPanel::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    for (const QRect &r : event->region())
        p.drawImage(r.topLeft(), renderHits(hits, size(), r, DotColor.rgb(), back.rgb()));
}
