#include "geometric/huygens/HuygensTheoryMarks.h"

#include "geometric/huygens/HuygensTheory.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

namespace {

QString deg(double radians) {
    return QString::number(radians * 180 / std::numbers::pi, 'f', 2);
}

} // namespace

OverlayMarks huygensTheoryMarks(const huygens::Inputs &in) {
    OverlayMarks marks;
    marks.legend << QCoreApplication::translate(
        "HuygensTheory", "Снеллиус: sin θ = n sin β; фронт перпендикулярен лучу");
    const huygens::Setup st = huygens::makeSetup(in);
    const int theta = int(std::lround(st.theta * 180 / std::numbers::pi));
    marks.legend << QCoreApplication::translate("HuygensTheory", "θ = %1°").arg(theta);
    const double indices[] = {huygens::indexOrOne(in.n1), huygens::indexOrOne(in.n2)};
    const int beams = indices[0] == indices[1] ? 1 : 2;
    // The drawing's 10 pixel shift, and the last ray's arrival point.
    const QPointF last(st.xLast + 10, st.yTop);
    const double front = 1.5 * st.wInt, thickness = st.yBot - st.yTop;
    for (int i = 0; i < beams; ++i) {
        const HuygensRefraction r = huygensRefraction(theta, indices[i]);
        if (!r.exists) {
            marks.legend << QCoreApplication::translate("HuygensTheory",
                                                        "n = %1 < sin θ: угла преломления нет")
                                .arg(indices[i]);
            continue;
        }
        const double sb = std::sin(r.beta), cb = std::cos(r.beta);
        marks.lines << QLineF(last, last + QPointF(thickness * sb / cb, thickness))
                    << QLineF(last, last + front / cb * QPointF(-cb, sb));
        marks.legend << QCoreApplication::translate("HuygensTheory", "n = %1: β = %2°")
                            .arg(indices[i])
                            .arg(deg(r.beta));
    }
    return marks;
}
