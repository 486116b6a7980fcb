#include "geometric/mirror/MirrorTheoryMarks.h"

#include "geometric/mirror/MirrorTheory.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("MirrorTheory", text);
}

} // namespace

OverlayMarks mirrorTheoryMarks(int width, const planemirror::Box &lamp,
                               const planemirror::Box &eye) {
    const MirrorTheory t = mirrorTheory(width, lamp, eye);
    OverlayMarks marks;
    const QPointF image(t.imageX, t.imageY);
    marks.points << image << QPointF(t.mirrorX, t.topReflection)
                 << QPointF(t.mirrorX, t.bottomReflection);
    marks.labels << OverlayMarks::Label{image + QPointF(5, -5), tr("S'")};
    marks.legend << tr("Изображение симметрично предмету: x' = 2a − x, y' = y")
                 << tr("a = %1, лампа (%2, %3): изображение (%4, %5)")
                        .arg(t.mirrorX)
                        .arg(lamp.left)
                        .arg(t.imageY)
                        .arg(t.imageX)
                        .arg(t.imageY)
                 << tr("Угол падения равен углу отражения: лучи отражаются при y = %1 и %2")
                        .arg(QString::number(t.topReflection, 'f', 1))
                        .arg(QString::number(t.bottomReflection, 'f', 1));
    return marks;
}
