#include "atomic/microparticles/ElectronTheoryMarks.h"

#include "atomic/microparticles/ElectronTheory.h"

#include <QCoreApplication>

namespace {

QString pm(double metres) {
    return QString::number(metres * 1e12, 'f', 3);
}

} // namespace

OverlayMarks electronTheoryMarks(double kilovolts, QSize screen) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate("ElectronTheory",
                                                "де Бройль: λ = h / √(2 m e U (1 + e U / 2 m c²))");
    const ElectronTheory t = electronTheory(kilovolts);
    if (!t.valid) {
        marks.legend << QCoreApplication::translate("ElectronTheory",
                                                    "Напряжение должно быть больше 0");
        return marks;
    }
    marks.legend << QCoreApplication::translate("ElectronTheory",
                                                "U = %1 кВ: λ = %2 пм, без поправки %3 пм (%4 %)")
                        .arg(kilovolts)
                        .arg(pm(t.wavelength))
                        .arg(pm(t.classicalWavelength))
                        .arg(QString::number(t.correction * 100, 'f', 1))
                 << QCoreApplication::translate(
                        "ElectronTheory",
                        "Кольца r = K λ √N, N = 1…5 (простая кубическая решётка)");
    QStringList radii;
    const QPointF c(screen.width() / 2, screen.height() / 2);
    for (double r : t.rings) {
        marks.ellipses << QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
        radii << QString::number(r, 'f', 1);
    }
    marks.legend << QCoreApplication::translate("ElectronTheory", "радиусы, пикселей: %1")
                        .arg(radii.join(QStringLiteral(", ")));
    return marks;
}
