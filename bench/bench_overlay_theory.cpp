// The overlay's paint while the pointer moves over a picture with the theory
// shown. Reference: the marks made afresh and all drawn on every paint, as
// before, over the overlay's other layers (readout, hint). Fast: the
// overlay's own paint, which keeps the marks until the picture changes and
// draws only those that reach the area repainted. (The reference turns the
// theory off and on, so one fast paint in 50 makes the marks again.)
// Windows at their design size after one computation, as a user sees them.
#include "InterleavedCpu.h"
#include "shell/Startup.h"
#include "widgets/DemoForm.h"
#include "widgets/Overlay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

QWidget *windowOfClass(const char *name) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qstrcmp(w->metaObject()->className(), name) == 0) return w;
    return nullptr;
}

// The window shown on its picture's page, computed with `run` when given.
TOverlay *prepare(const char *form, const char *picture, const char *run) {
    auto *w = static_cast<TDemoForm *>(windowOfClass(form));
    w->Show();
    for (QTabWidget *pages : w->findChildren<QTabWidget *>(QStringLiteral("PageControl1")))
        pages->setCurrentIndex(1);
    if (qstrcmp(form, "TForm12") == 0) { // one source to compute from
        auto *strip = w->findChild<QWidget *>(QStringLiteral("SourcePanel1"));
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, QPointF(30, 5), strip->mapToGlobal(QPointF(30, 5)), Qt::LeftButton,
                          t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(strip, &e);
        }
    }
    if (*run) w->findChild<QAbstractButton *>(QLatin1String(run))->click();
    TOverlay *o = TOverlay::of(w->findChild<QWidget *>(QLatin1String(picture)));
    for (int i = 0; i < 600 && !(o->provider()->hasTheory() && o->hint().isEmpty()); ++i)
        pump(50);
    if (o->animation()) o->animation()->setPaused(true);
    o->setTheoryShown(true);
    pump(100);
    return o;
}

// What the overlay did before for the marks on every paint: made them
// afresh and drew every one and the legend, clipped to the area repainted.
void drawAllMarks(QPainter &p, const TOverlay *o) {
    if (!o->provider()->hasTheory()) return;
    const OverlayMarks marks = o->provider()->theory();
    const QTransform t = o->bitmapToWidget();
    p.setPen(QPen(TOverlay::theoryColour(), 2));
    p.setBrush(Qt::NoBrush);
    for (const QLineF &l : marks.lines)
        p.drawLine(t.map(l));
    for (const QPointF &pt : marks.points) {
        const QPointF c = t.map(pt);
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    }
    for (const QRectF &r : marks.ellipses)
        p.drawEllipse(t.mapRect(r));
    for (const OverlayMarks::Label &l : marks.labels)
        p.drawText(t.map(l.at), l.text);
    // The legend at the top left, in its box.
    const QFontMetrics fm(o->font(), o);
    int w = 0;
    for (const QString &l : marks.legend)
        w = std::max(w, fm.horizontalAdvance(l));
    const QRect box(6, 6, w + 8, int(marks.legend.size()) * fm.height() + 8);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    for (int i = 0; i < marks.legend.size(); ++i)
        p.drawText(box.left() + 4, box.top() + 4 + i * fm.height() + fm.ascent(), marks.legend[i]);
}

// The pointer moves along the middle of the picture; each move repaints
// the readout's box (about 180 x 60 pixels) with the theory under it.
void pointerMoves(const char *label, TOverlay *o) {
    QImage img(180, 60, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    auto next = [&] {
        step = (step + 7) % std::max(1, o->width() - 180);
        o->setProbe(QPoint(step, o->height() / 2));
        img.fill(Qt::transparent);
        return QRect(QPoint(step, o->height() / 2), img.size());
    };
    interleavedCpuRatio(
        label,
        [&] {
            // The overlay's other layers as they are, the marks as before.
            o->setTheoryShown(false);
            const QRect dirty = next();
            o->render(&img, QPoint(), QRegion(dirty), QWidget::RenderFlags());
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.translate(-QPointF(dirty.topLeft()));
            p.setClipRect(dirty);
            drawAllMarks(p, o);
            p.end();
            o->setTheoryShown(true);
            benchmark::DoNotOptimize(img.constBits());
        },
        [&] {
            const QRect dirty = next();
            o->render(&img, QPoint(), QRegion(dirty), QWidget::RenderFlags());
            benchmark::DoNotOptimize(img.constBits());
        },
        50, 9);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    createAllForms();
    const char *rows[][4] = {{"TForm7", "Image1", "Button1", "Newton's rings"},
                             {"TForm12", "GraphPanel1", "Button1", "interference graph"},
                             {"TForm3", "Image1", "", "thin lens"},
                             {"Tform_Main", "im_Graphics", "BitBtn1", "X-ray spectrum"},
                             {"TForm51", "DifrPanel", "", "electron screen"},
                             {"TForm9", "Image1", "Button1", "Fraunhofer"}};
    for (const auto &r : rows)
        pointerMoves(r[3], prepare(r[0], r[1], r[2]));
    destroyAllForms();
    return 0;
}
