#include "waves/interference/SourcePanel.h"

#include "core/Numbers.h"
#include "widgets/Csafespinedit.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TSourcePanel::TSourcePanel(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::CrossCursor);
    resize(width(), 20);
}

void TSourcePanel::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    image = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    update();
}

void TSourcePanel::paintEvent(QPaintEvent *event) {
    const QRect r = event->rect() & image.rect();
    if (r.isEmpty()) return;
    drawSourceStrip(image, Sources.items(), r);
    QPainter p(this);
    p.drawImage(r.topLeft(), image, r);
}

int TSourcePanel::positionOf(const QMouseEvent *event) const {
    return event->position().toPoint().x() - width() / 2;
}

void TSourcePanel::apply(int a, int b) {
    if (a > b) std::swap(a, b);
    if (drag == Drag::None) return;
    if (drag == Drag::Add)
        Sources.add(a, b, Brightness);
    else
        Sources.remove(a, b);
    // Only the columns touched, and the one to their left.
    const int w2 = width() / 2;
    update(QRect(a + w2 - 1, 0, b - a + 2, height()));
    emit sourcesChanged();
}

void TSourcePanel::mousePressEvent(QMouseEvent *event) {
    anchor = positionOf(event);
    drag = event->button() == Qt::LeftButton    ? Drag::Add
           : event->button() == Qt::RightButton ? Drag::Remove
                                                : Drag::None;
}

void TSourcePanel::mouseMoveEvent(QMouseEvent *event) {
    if (!hasFocus()) setFocus();
    const int pos = positionOf(event);
    emit statusChanged(tr("X=%1 яркость=%2").arg(pos).arg(Sources.brightnessAt(pos)));
    if (drag != Drag::None) {
        apply(anchor, pos);
        anchor = pos;
    }
}

void TSourcePanel::mouseReleaseEvent(QMouseEvent *event) {
    apply(anchor, positionOf(event));
    drag = Drag::None;
}

void TSourcePanel::clickAt(Qt::MouseButton button, int position) {
    const QPointF at(columnOf(position), height() / 2);
    const QPointF global = mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
    mousePressEvent(&press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton,
                        Qt::NoModifier);
    mouseReleaseEvent(&release);
}

void TSourcePanel::wheelEvent(QWheelEvent *event) {
    event->accept();
    const QPoint d = event->angleDelta();
    const int delta = d.y() != 0 ? d.y() : d.x();
    const int v = Brightness;
    if (delta > 0 && v < 255) Brightness = v + 1;
    if (delta < 0 && v > 0) Brightness = v - 1;
    if (Brightness != v) emit brightnessChanged(Brightness);
}

void bindBrightness(TSourcePanel *strip, TCSpinEdit *spin) {
    strip->setBrightness(spin->Value());
    QObject::connect(spin, &TCSpinEdit::Change, strip, [strip, spin] {
        // What the box reads now; a text that is no number counts as its least.
        const std::optional<int> v = readInteger(spin->Text().toStdString());
        strip->setBrightness(v ? std::clamp(*v, spin->MinValue, spin->MaxValue) : spin->MinValue);
    });
    QObject::connect(strip, &TSourcePanel::brightnessChanged, spin, &TCSpinEdit::setValue);
}
