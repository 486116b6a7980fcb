#include "waves/interference/GraphPanel.h"

#include "widgets/Align.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>

TGraphPanel::TGraphPanel(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    ScrollBar = new QScrollBar(Qt::Horizontal, this);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar->resize(ScrollBar->sizeHint());
    ScrollBar->setRange(0, 0);
    setAlign(ScrollBar, Align::Bottom);
    connect(ScrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
}

MappedSamples TGraphPanel::SetData(MappedSamples fresh, int n, SampleSummary sums) {
    MappedSamples old = std::move(data);
    data = std::move(fresh);
    summary = std::move(sums);
    count = data ? std::max(n, 0) : 0;
    ScrollBar->setRange(-(count / 2), count / 2);
    ScrollBar->setValue(0);
    Repaint();
    return old;
}

void TGraphPanel::Repaint() {
    const long double step = std::trunc(count * 0.8L / HorizontalScale);
    ScrollBar->setPageStep(step >= 1 && step < INT_MAX ? int(step) : step >= INT_MAX ? INT_MAX : 1);
    update();
}

GraphView TGraphPanel::view() const {
    GraphView v;
    v.samples = data.data();
    v.summary = &summary;
    v.count = count;
    v.verticalScale = VerticalScale;
    v.horizontalScale = HorizontalScale;
    v.position = ScrollBar->value();
    v.width = width();
    v.height = height();
    v.barHeight = ScrollBar->height();
    return v;
}

void TGraphPanel::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    image = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    update();
}

void TGraphPanel::paintEvent(QPaintEvent *event) {
    const QRect r = event->rect() & image.rect();
    if (r.isEmpty()) return;
    drawInterferenceGraph(image, view(), r);
    QPainter p(this);
    p.drawImage(r.topLeft(), image, r);
}

void TGraphPanel::mouseMoveEvent(QMouseEvent *event) {
    if (!hasFocus()) setFocus();
    if (count == 0) return;
    const float y = graphCoordinateAt(view(), event->position().toPoint().x(), Ymax);
    emit statusChanged(tr("X=%1 м").arg(formatFixed15(y)));
}

void TGraphPanel::wheelEvent(QWheelEvent *event) {
    event->accept();
    const QPoint d = event->angleDelta();
    const bool forward = (d.y() != 0 ? d.y() : d.x()) > 0;
    const Qt::KeyboardModifiers m = event->modifiers();
    if (m & Qt::ControlModifier) {
        if (HorizontalScale == 0) return;
        const long double span = (long double)ScrollBar->maximum() - ScrollBar->minimum();
        const long double moved =
            std::trunc(ScrollBar->value() + (forward ? 1 : -1) * span / (HorizontalScale * 50));
        ScrollBar->setValue(int(std::clamp<long double>(moved, INT_MIN, INT_MAX)));
    } else if (m & Qt::ShiftModifier) {
        if (forward) {
            HorizontalScale *= 1.1L;
        } else {
            HorizontalScale *= 1 / 1.1L;
            if (HorizontalScale < 1.0L) HorizontalScale = 1.0L;
        }
        emit horizontalScaleChanged(formatFixed15(HorizontalScale));
    } else {
        VerticalScale *= forward ? 1.1L : 1 / 1.1L;
        emit verticalScaleChanged(formatFixed15(VerticalScale));
    }
    Repaint();
}
