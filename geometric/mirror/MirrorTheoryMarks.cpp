#include "geometric/mirror/MirrorTheoryMarks.h"

#include "geometric/mirror/MirrorTheory.h"

#include <QCoreApplication>

OverlayMarks mirrorTheoryMarks(int width, const planemirror::Box &lamp,
                               const planemirror::Box &eye) {
    const MirrorTheory t = mirrorTheory(width, lamp, eye);
    OverlayMarks marks;
    const QPointF image(t.imageX, t.imageY);
    marks.points << image << QPointF(t.mirrorX, t.topReflection)
                 << QPointF(t.mirrorX, t.bottomReflection);
    marks.labels << OverlayMarks::Label{image + QPointF(5, -5),
                                        QCoreApplication::translate("MirrorTheory", "S'")};
    marks.legend << QCoreApplication::translate(
                        "MirrorTheory", "Изображение симметрично предмету: x' = 2a − x, y' = y")
                 << QCoreApplication::translate("MirrorTheory",
                                                "a = %1, лампа (%2, %3): изображение (%4, %5)")
                        .arg(t.mirrorX)
                        .arg(lamp.left)
                        .arg(t.imageY)
                        .arg(t.imageX)
                        .arg(t.imageY)
                 << QCoreApplication::translate(
                        "MirrorTheory",
                        "Угол падения равен углу отражения: лучи отражаются при y = %1 и %2")
                        .arg(QString::number(t.topReflection, 'f', 1))
                        .arg(QString::number(t.bottomReflection, 'f', 1));
    return marks;
}
