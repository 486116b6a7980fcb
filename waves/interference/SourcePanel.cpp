#include "waves/interference/SourcePanel.h"

#include "widgets/Csafespinedit.h"

#include <QLabel>
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
        Sources.add(a, b, Brightness ? Brightness->Value() : 255);
    else
        Sources.remove(a, b);
    // Only the columns touched, and the one to their left.
    const int w2 = width() / 2;
    update(QRect(a + w2 - 1, 0, b - a + 2, height()));
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
    if (StatusLabel)
        StatusLabel->setText(
            QStringLiteral("X=%1 яркость=%2").arg(pos).arg(Sources.brightnessAt(pos)));
    if (drag != Drag::None) {
        apply(anchor, pos);
        anchor = pos;
    }
}

void TSourcePanel::mouseReleaseEvent(QMouseEvent *event) {
    apply(anchor, positionOf(event));
    drag = Drag::None;
}

void TSourcePanel::wheelEvent(QWheelEvent *event) {
    event->accept();
    if (!Brightness) return;
    const QPoint d = event->angleDelta();
    const int delta = d.y() != 0 ? d.y() : d.x();
    const int v = Brightness->Value();
    if (delta > 0 && v < 255) Brightness->setValue(v + 1);
    if (delta < 0 && v > 0) Brightness->setValue(v - 1);
}
