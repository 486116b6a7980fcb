#include "waves/GraphPanel.h"

#include "app/Align.h"
#include "app/Canvas.h"
#include "app/NumberText.h"
#include "app/Pixels.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <cstdio>

namespace {

// First sample of column x, or -1 when there is none.
long long sampleAt(const GraphView &v, float spp, int x) {
    const int w2 = v.width / 2;
    const float f = static_cast<float>((x - w2) / v.horizontalScale);
    const double n = std::trunc(double(f) * double(spp) + v.count * 0.5 + v.position);
    if (!(n >= 0 && n < v.count)) return -1;
    return static_cast<long long>(n);
}

int pixelOf(const GraphView &v, float value) {
    const int base = v.height - v.barHeight - 3;
    return base - toPixel(static_cast<double>(v.verticalScale * value));
}

} // namespace

void drawInterferenceGraph(QImage &image, const GraphView &v, const QRect &update) {
    Canvas c(image);
    c.setBrushColor(Qt::black);
    // Canvas rectangles leave out the right and bottom edges.
    c.FillRect(update.left(), update.top(), update.right() + 1, update.bottom() + 1);
    if (!v.samples || v.count <= 0 || v.width <= 0) return;
    c.setPenColor(Qt::white);
    const float spp = static_cast<float>(v.count) / static_cast<float>(v.width);
    const int left = update.left(), right = update.right();
    const int from = left == 0 ? 0 : left - 1;
    const int to = right < v.width - 1 ? right + 1 : right;
    bool started = false;
    const long long first = sampleAt(v, spp, from);
    if (first >= 0) {
        c.MoveTo(left - 1, pixelOf(v, v.samples[first]));
        started = true;
    }
    const double blockReal = std::trunc(double(spp) / double(v.horizontalScale));
    for (int x = from; x <= to; ++x) {
        const long long n = sampleAt(v, spp, x);
        if (n < 0) continue;
        long long block = blockReal >= 1 && blockReal < v.count ? (long long)blockReal : 1;
        if (n + block - 1 >= v.count) block = 1;
        float sum = 0;
        for (long long k = n; k < n + block; ++k)
            sum += v.samples[k];
        const int y = pixelOf(v, sum / static_cast<float>(block));
        // With no valid column left of the region the curve starts here.
        if (!started) c.MoveTo(x, y);
        started = true;
        c.LineTo(x, y);
        if (y < 0) c.setPixel(x, 0, QColor(255, 0, 0));
    }
}

float graphCoordinateAt(const GraphView &v, int x, long double ymax) {
    if (v.count <= 0 || v.width <= 0) return 0;
    const float spp = static_cast<float>(v.count) / static_cast<float>(v.width);
    const long double c = std::trunc((x - v.width * 0.5L) * spp / v.horizontalScale + v.position);
    return static_cast<float>(2 * c * ymax / v.count);
}

QString formatFixed15(long double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", v);
    return qFormatFixed(std::strtod(buf, nullptr), 15);
}

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

MappedSamples TGraphPanel::SetData(MappedSamples fresh, int n) {
    MappedSamples old = std::move(data);
    data = std::move(fresh);
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
    if (count == 0 || !StatusLabel) return;
    const float y = graphCoordinateAt(view(), event->position().toPoint().x(), Ymax);
    StatusLabel->setText(QStringLiteral("X=") + formatFixed15(y) + QStringLiteral(" м"));
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
        if (HorizontalEdit) HorizontalEdit->setText(formatFixed15(HorizontalScale));
    } else {
        VerticalScale *= forward ? 1.1L : 1 / 1.1L;
        if (VerticalEdit) VerticalEdit->setText(formatFixed15(VerticalScale));
    }
    Repaint();
}
