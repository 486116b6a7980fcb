#include "widgets/Overlay.h"

#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kButton = 22;   // side of a pause or step control
constexpr int kMargin = 6;    // from the picture's edge
constexpr int kPad = 4;       // inside the text boxes
constexpr int kClickSlop = 4; // a right "click" may move this far
constexpr double kReach = 3;  // a mark's pen and smoothing beyond its line
const QColor kBoxFill(0, 0, 0, 170);

void fillBox(QPainter &p, const QRect &r, const QColor &border) {
    p.setPen(border);
    p.setBrush(kBoxFill);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

bool isMouse(QEvent::Type t) {
    return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
           t == QEvent::MouseButtonDblClick || t == QEvent::MouseMove;
}

// Each line broken at spaces where it is wider than `width`; the rest of a
// broken line indented.
QStringList wrapLines(const QStringList &lines, const QFontMetrics &fm, int width) {
    QStringList out;
    for (const QString &line : lines) {
        QString current;
        for (const QString &word : line.split(QLatin1Char(' '))) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.trimmed().isEmpty() && fm.horizontalAdvance(longer) > width) {
                out << current;
                current = QStringLiteral("   ") + word;
            } else {
                current = longer;
            }
        }
        out << current;
    }
    return out;
}

// Whether the outline of the ellipse `e` can meet `area`: not when the area
// is beyond its box, nor (for a circle) wholly outside it or in its hole.
bool outlineMeets(const QRectF &e, const QRectF &area) {
    if (!e.intersects(area)) return false;
    if (std::abs(e.width() - e.height()) > 0.01) return true;
    const QPointF c = e.center();
    const QPointF nearest(std::clamp(c.x(), area.left(), area.right()),
                          std::clamp(c.y(), area.top(), area.bottom()));
    double farthest = 0;
    for (const QPointF &q :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        farthest = std::max(farthest, std::hypot(q.x() - c.x(), q.y() - c.y()));
    const double r = e.width() / 2;
    return std::hypot(nearest.x() - c.x(), nearest.y() - c.y()) <= r && farthest >= r;
}

// Top left in `visible`, else beside or below something in the way.
QRect placeLegend(QSize size, const QList<QRect> &covered, const QRect &visible) {
    QList<int> xs{visible.left() + kMargin}, ys{visible.top() + kMargin};
    for (const QRect &c : covered) {
        xs << c.right() + 1 + kMargin;
        ys << c.bottom() + 1 + kMargin;
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    auto clear = [&covered](const QRect &box) {
        return std::none_of(covered.begin(), covered.end(),
                            [&box](const QRect &c) { return c.intersects(box); });
    };
    // Wholly in view if it can be, else at least its first lines.
    for (const bool whole : {true, false})
        for (int y : ys)
            for (int x : xs) {
                const QRect box(QPoint(x, y), size);
                if (clear(box) && (whole ? visible.contains(box) : visible.contains(box.topLeft())))
                    return box;
            }
    return QRect(visible.topLeft() + QPoint(kMargin, kMargin), size);
}

// A label's baseline origin: where its provider put it, pulled into view,
// unless its text would run under a covering widget; then the nearest clear
// place beside it, if one is near enough to still belong to its mark.
QPointF placeLabel(const QRectF &text, QPointF at, const QList<QRect> &covered,
                   const QRect &visible) {
    const QRectF room = QRectF(visible).adjusted(2 - text.left(), 2 - text.top(), -2 - text.right(),
                                                 -2 - text.bottom());
    if (room.isValid())
        at = QPointF(std::clamp(at.x(), room.left(), room.right()),
                     std::clamp(at.y(), room.top(), room.bottom()));
    QList<double> dx{0, -text.width() - 16}, dy{0, text.height() + 8, -text.height() - 8};
    for (const QRect &c : covered) {
        dx << c.left() - 3 - (at.x() + text.right()) << c.right() + 3 - (at.x() + text.left());
        dy << c.bottom() + 3 - (at.y() + text.top());
    }
    QList<QPointF> shifts;
    for (double x : dx)
        for (double y : dy)
            if (std::abs(x) + std::abs(y) <= 120) shifts << QPointF(x, y);
    std::stable_sort(shifts.begin(), shifts.end(), [](QPointF a, QPointF b) {
        return a.manhattanLength() < b.manhattanLength();
    });
    for (const QPointF &shift : shifts) {
        const QRectF box = text.translated(at + shift).adjusted(-2, -2, 2, 2);
        if (QRectF(visible).contains(box) &&
            std::none_of(covered.begin(), covered.end(),
                         [&box](const QRect &c) { return QRectF(c).intersects(box); }))
            return at + shift;
    }
    return at;
}

} // namespace

TOverlay::TOverlay(QWidget *picture) : QWidget(picture), target(picture) {
    setObjectName(QStringLiteral("Overlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setFont(picture->font());
    picture->installEventFilter(this);
    for (QObject *child : picture->children())
        watch(child);
    follow();
    show();
    if (qobject_cast<TDemoForm *>(picture->window())) installKeys(picture->window());
}

TOverlay *TOverlay::of(const QWidget *picture) {
    return picture ? picture->findChild<TOverlay *>(QString(), Qt::FindDirectChildrenOnly)
                   : nullptr;
}

TOverlay *attachOverlay(QWidget *picture) {
    if (TOverlay *o = TOverlay::of(picture)) return o;
    return new TOverlay(picture);
}

void TOverlay::watch(QObject *child) {
    auto *w = qobject_cast<QWidget *>(child);
    if (w && w != this) w->installEventFilter(this);
}

void TOverlay::follow() {
    if (!target) return;
    setGeometry(target->rect());
    raise();
    theoryCache.reset();
}

void TOverlay::setHint(const QString &text) {
    if (text == hintText) return;
    hintText = text;
    update();
}

void TOverlay::setAnimation(TAnimationControl *animation) {
    anim = animation;
    installKeys(window());
    update();
}

void TOverlay::setProvider(TPictureProvider *provider) {
    source = provider;
    theoryCache.reset();
    installKeys(window());
    update();
}

void TOverlay::setFocusFrame(const QRect &frame) {
    const QRect old = focusArea();
    focusRect = frame;
    updateOwn(old);
    updateOwn(focusArea());
}

void TOverlay::setTheoryShown(bool on) {
    if (on == theoryOn) return;
    theoryOn = on;
    theoryCache.reset();
    update();
    emit theoryToggled(on);
}

const OverlayMarks &TOverlay::theoryMarks() const {
    static const OverlayMarks none;
    if (!source || !source->hasTheory()) return none;
    // Every drawing on a bitmap gives it a new key.
    const auto *image = qobject_cast<const TImage *>(target.data());
    const qint64 bitmap = image ? image->Bitmap.cacheKey() : 0;
    if (!theoryCache || bitmap != theoryBitmap) {
        theoryCache = source->theory();
        theoryBitmap = bitmap;
        ++theoryMade;
    }
    return *theoryCache;
}

void TOverlay::pictureChanged() {
    theoryCache.reset();
    if (theoryOn) update();
}

// A repaint of the overlay alone: the picture under it repaints there too,
// without having changed.
void TOverlay::updateOwn(const QRect &r) {
    if (r.isEmpty() || !isVisible()) return;
    ownDirty += r;
    update(r);
}

void TOverlay::pictureRepainted(const QWidget *from, const QRegion &region) {
    const QPoint offset = from == target ? QPoint() : from->mapTo(target, QPoint());
    if (!region.translated(offset).subtracted(ownDirty).isEmpty()) theoryCache.reset();
}

QColor TOverlay::theoryColour() {
    // Magenta is no colour of the spectrum, so it is never taken for light,
    // and it reads on black and on white.
    return QColor(255, 0, 255);
}

bool TOverlay::controlsShown() const {
    return anim && (hovered || (target && target->underMouse()));
}

QRect TOverlay::pauseButtonRect() const {
    return QRect(kMargin, height() - kMargin - kButton, kButton, kButton);
}

QRect TOverlay::stepButtonRect() const {
    return pauseButtonRect().translated(kButton + 4, 0);
}

void TOverlay::togglePause() {
    if (!anim) return;
    anim->setPaused(!anim->isPaused());
    updateOwn(pauseButtonRect() | stepButtonRect());
}

void TOverlay::stepOnce() {
    if (anim && anim->isPaused()) anim->step();
}

QTransform TOverlay::bitmapToWidget() const {
    const auto *image = qobject_cast<const TImage *>(target.data());
    if (!image || !image->Stretch || image->Bitmap.isNull()) return {};
    return QTransform::fromScale(double(width()) / image->Bitmap.width(),
                                 double(height()) / image->Bitmap.height());
}

void TOverlay::setProbe(const QPoint &pixel) {
    probe = pixel;
    const QRect old = drawnReadout;
    drawnReadout = readoutRect(readout());
    updateOwn(old);
    updateOwn(drawnReadout);
}

void TOverlay::clearProbe() {
    probe = QPoint(-1, -1);
    updateOwn(drawnReadout);
    drawnReadout = QRect();
}

QStringList TOverlay::readout() const {
    if (!source || !hasProbe()) return {};
    return source->readoutAt(probe);
}

void TOverlay::moveProbe(QPoint overlayPos) {
    if (!source) return;
    const QPointF at = bitmapToWidget().inverted().map(QPointF(overlayPos) + QPointF(0.5, 0.5));
    const QPoint pixel(int(std::floor(at.x())), int(std::floor(at.y())));
    if (rect().contains(overlayPos))
        setProbe(pixel);
    else
        clearProbe();
}

bool TOverlay::pictureHasFocus() const {
    const QWidget *focus = QApplication::focusWidget();
    return target && focus && (focus == target || target->isAncestorOf(focus));
}

bool TOverlay::eventFilter(QObject *watched, QEvent *event) {
    if (!target) return false;
    if (watched == target && pictureEvent(watched, event)) return true;
    auto *from = qobject_cast<QWidget *>(watched);
    if (!from || from == this) return false;
    if (event->type() == QEvent::Paint)
        pictureRepainted(from, static_cast<QPaintEvent *>(event)->region());
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        updateOwn(focusArea());
    if (isMouse(event->type())) return pictureMouse(from, event);
    if (event->type() == QEvent::ContextMenu) {
        auto *e = static_cast<QContextMenuEvent *>(event);
        // The mouse opens the menu on a right click's release (right drags
        // stay drags); the menu key opens it here.
        if (e->reason() != QContextMenuEvent::Mouse)
            contextMenu()->popup(mapToGlobal(rect().center()));
        return true;
    }
    return false;
}

// Events of the picture itself (not its children); true: consumed.
bool TOverlay::pictureEvent(QObject *watched, QEvent *event) {
    (void)watched;
    switch (event->type()) {
    case QEvent::Resize:
        follow();
        break;
    case QEvent::Move: // scrolled: the legend stays in view
        if (theoryOn) update();
        break;
    case QEvent::ChildAdded:
        watch(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::ChildPolished: // a new child (an OpenGL view) stays below
        raise();
        break;
    case QEvent::Show:
        if (qobject_cast<TDemoForm *>(target->window())) installKeys(target->window());
        break;
    case QEvent::Enter:
        hovered = true;
        if (anim) updateOwn(pauseButtonRect() | stepButtonRect());
        break;
    case QEvent::Leave:
        hovered = false;
        if (anim) updateOwn(pauseButtonRect() | stepButtonRect());
        if (source) clearProbe();
        break;
    default:
        break;
    }
    return false;
}

// A mouse event of the picture or a child; true: it was meant for the
// controls and the picture does not see it.
bool TOverlay::pictureMouse(QWidget *from, QEvent *event) {
    auto *e = static_cast<QMouseEvent *>(event);
    const QPoint at = mapFromGlobal(from->mapToGlobal(e->position().toPoint()));
    if (event->type() == QEvent::MouseMove) {
        if (!hovered && anim) updateOwn(pauseButtonRect() | stepButtonRect());
        hovered = true;
        moveProbe(at);
        return false;
    }
    const bool onPause = pauseButtonRect().contains(at), onStep = stepButtonRect().contains(at);
    if (controlsShown() && (onPause || onStep) && e->button() == Qt::LeftButton) {
        if (event->type() == QEvent::MouseButtonPress) onPause ? togglePause() : stepOnce();
        return true;
    }
    if (e->button() != Qt::RightButton) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        rightPress = at;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const bool click = rightPress.x() >= 0 && (at - rightPress).manhattanLength() <= kClickSlop;
        rightPress = QPoint(-1, -1);
        const QPoint global = e->globalPosition().toPoint();
        // After the picture has seen its release.
        if (click) QTimer::singleShot(0, this, [this, global] { contextMenu()->popup(global); });
    }
    return false;
}

void TOverlay::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintTheory(p, event->rect());
    paintFocus(p);
    paintReadout(p);
    paintHint(p);
    paintControls(p);
    ownDirty = QRegion();
}

void TOverlay::paintHint(QPainter &p) const {
    if (hintText.isEmpty()) return;
    const QFontMetrics fm(font(), this);
    const QString text = fm.elidedText(hintText, Qt::ElideRight, std::max(0, width() - 4 * kPad));
    QRect box(0, 0, fm.horizontalAdvance(text) + 4 * kPad, fm.height() + 2 * kPad);
    box.moveCenter(rect().center());
    fillBox(p, box, QColor(255, 255, 255, 120));
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

void TOverlay::paintControls(QPainter &p) const {
    if (!controlsShown()) return;
    const bool paused = anim->isPaused();
    const QRect pause = pauseButtonRect(), step = stepButtonRect();
    fillBox(p, pause, Qt::white);
    fillBox(p, step, paused ? Qt::white : Qt::gray);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF c = QRectF(pause).center();
    if (paused) { // a play triangle: resume
        p.drawPolygon(QPolygonF({c + QPointF(-4, -6), c + QPointF(6, 0), c + QPointF(-4, 6)}));
    } else { // two bars: pause
        p.drawRect(QRectF(c.x() - 5, c.y() - 6, 3.5, 12));
        p.drawRect(QRectF(c.x() + 1.5, c.y() - 6, 3.5, 12));
    }
    p.setBrush(paused ? Qt::white : Qt::gray);
    const QPointF s = QRectF(step).center();
    p.drawPolygon(QPolygonF({s + QPointF(-6, -6), s + QPointF(3, 0), s + QPointF(-6, 6)}));
    p.drawRect(QRectF(s.x() + 3, s.y() - 6, 3, 12));
}

QRect TOverlay::focusArea() const {
    if (focusRect.isEmpty()) return {};
    return bitmapToWidget().mapRect(QRectF(focusRect)).toAlignedRect().adjusted(-4, -4, 4, 4);
}

void TOverlay::paintFocus(QPainter &p) const {
    if (focusRect.isEmpty() || !pictureHasFocus()) return;
    const QRectF r = bitmapToWidget().mapRect(QRectF(focusRect)).adjusted(-2.5, -2.5, 2.5, 2.5);
    // Black under white dashes: seen on any background.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r);
    p.setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.drawRect(r);
    p.restore();
}

QRect TOverlay::readoutRect(const QStringList &lines) const {
    if (lines.isEmpty()) return {};
    const QFontMetrics fm(font(), this);
    int w = 0;
    for (const QString &l : lines)
        w = std::max(w, fm.horizontalAdvance(l));
    const QSize size(w + 2 * kPad, int(lines.size()) * fm.height() + 2 * kPad);
    const QPoint at = bitmapToWidget().map(QPointF(probe)).toPoint();
    QRect box(at + QPoint(14, 16), size);
    // Beside the pointer, on the side where it fits, and inside the part of
    // the picture in view.
    const QRect area = visibleArea();
    if (box.right() > area.right() - 1) box.moveRight(at.x() - 10);
    if (box.bottom() > area.bottom() - 1) box.moveBottom(at.y() - 10);
    box.moveLeft(
        std::clamp(box.left(), area.left(), std::max(area.left(), area.right() + 1 - box.width())));
    box.moveTop(
        std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() + 1 - box.height())));
    return box;
}

void TOverlay::paintReadout(QPainter &p) const {
    const QStringList lines = readout();
    if (lines.isEmpty()) return;
    const QRect box = readoutRect(lines);
    fillBox(p, box, QColor(255, 255, 255, 160));
    p.setPen(Qt::white);
    const QFontMetrics fm(font(), this);
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(box.left() + kPad, box.top() + kPad + i * fm.height() + fm.ascent(), lines[i]);
}

void TOverlay::paintTheory(QPainter &p, const QRect &area) const {
    if (!theoryOn) return;
    const OverlayMarks &marks = theoryMarks();
    const QTransform t = bitmapToWidget();
    p.setPen(QPen(theoryColour(), 2));
    p.setBrush(Qt::NoBrush);
    // Only what reaches the area repainted: hundreds of rings cost
    // milliseconds, and the pointer's readout repaints a small box.
    const QRectF in = QRectF(area).adjusted(-kReach, -kReach, kReach, kReach);
    for (const QLineF &l : marks.lines) {
        const QLineF m = t.map(l);
        if (QRectF(m.p1(), m.p2()).normalized().adjusted(-1, -1, 1, 1).intersects(in))
            p.drawLine(m);
    }
    for (const QPointF &pt : marks.points) {
        const QPointF c = t.map(pt);
        if (!in.intersects(QRectF(c - QPointF(5, 5), QSizeF(10, 10)))) continue;
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    }
    for (const QRectF &r : marks.ellipses) {
        const QRectF e = t.mapRect(r);
        if (outlineMeets(e, in)) p.drawEllipse(e);
    }
    const QRect box = legendRectFor(marks);
    for (qsizetype i = 0; i < marks.labels.size(); ++i)
        p.drawText(legend.labelsAt[i], marks.labels[i].text);
    if (!box.intersects(area)) return;
    fillBox(p, box, theoryColour());
    p.setPen(theoryColour());
    const QFontMetrics fm(font(), this);
    for (int i = 0; i < legend.lines.size(); ++i)
        p.drawText(box.left() + kPad, box.top() + kPad + i * fm.height() + fm.ascent(),
                   legend.lines[i]);
}

QRect TOverlay::legendRect() const {
    return theoryOn ? legendRectFor(theoryMarks()) : QRect();
}

QList<QRect> TOverlay::labelRects() const {
    if (!theoryOn) return {};
    const OverlayMarks &marks = theoryMarks();
    legendRectFor(marks);
    const QFontMetrics fm(font(), this);
    QList<QRect> boxes;
    for (qsizetype i = 0; i < marks.labels.size(); ++i)
        boxes << fm.boundingRect(marks.labels[i].text).translated(legend.labelsAt[i].toPoint());
    return boxes;
}

QRect TOverlay::legendRectFor(const OverlayMarks &marks) const {
    const QRect visible = visibleArea();
    QList<QRect> covered = coveredAreas(visible);
    if (legend.made == theoryMade && legend.visible == visible && legend.covered == covered)
        return legend.box;
    legend.made = theoryMade;
    legend.visible = visible;
    legend.covered = covered;
    const QFontMetrics fm(font(), this);
    const QTransform t = bitmapToWidget();
    legend.labelsAt.clear();
    for (const OverlayMarks::Label &l : marks.labels) {
        const QRectF text = fm.boundingRect(l.text);
        legend.labelsAt << placeLabel(text, t.map(l.at), legend.covered, visible);
        covered << text.translated(legend.labelsAt.back()).toAlignedRect().adjusted(-2, -2, 2, 2);
    }
    legend.box = {};
    if (marks.legend.isEmpty()) return legend.box;
    legend.lines = wrapLines(marks.legend, fm, visible.width() - 2 * (kMargin + kPad));
    int w = 0;
    for (const QString &l : legend.lines)
        w = std::max(w, fm.horizontalAdvance(l));
    legend.box = placeLegend(QSize(w + 2 * kPad, int(legend.lines.size()) * fm.height() + 2 * kPad),
                             covered, visible);
    return legend.box;
}

// Clipped by every widget the picture sits in.
QRect TOverlay::visibleArea() const {
    QRect r = rect();
    for (const QWidget *w = this; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        const QWidget *up = w->parentWidget();
        r &= QRect(mapFrom(up, QPoint()), up->size());
    }
    return r;
}

// Widgets stacked over the picture (its later siblings, and those of the
// widgets it sits in), as far as they are in view.
QList<QRect> TOverlay::coveredAreas(const QRect &visible) const {
    QList<QRect> covered;
    for (const QWidget *w = target; w && !w->isWindow() && w->parentWidget();
         w = w->parentWidget()) {
        const QWidget *up = w->parentWidget();
        const QObjectList &siblings = up->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(w)) + 1; i < siblings.size();
             ++i) {
            const auto *s = qobject_cast<const QWidget *>(siblings[i]);
            if (!s || s->isWindow() || s->isHidden()) continue;
            const QRect r = QRect(mapFrom(up, s->pos()), s->size()) & visible;
            if (!r.isEmpty()) covered << r;
        }
    }
    return covered;
}
