#include "atomic/xray/XrayPicture.h"
#include "atomic/xray/XrayTheoryMarks.h"
#include "widgets/Surface.h"

void TXrayPicture::addCurve(int index, std::int32_t voltage, const QString &name) {
    if (!Break_x::ElementAt(index)) return;
    curves.push_back({index, voltage});
    names.push_back(name);
}

void TXrayPicture::clear() {
    curves.clear();
    names.clear();
}

QString TXrayPicture::curveName(std::size_t i) const {
    return tr("%1 %2 кВ").arg(names[static_cast<qsizetype>(i)]).arg(curves[i].voltage / 1000.0);
}

QStringList TXrayPicture::readoutAt(QPoint pixel) const {
    const auto lambda = Break_x::WavelengthAt(*state, pixel.x());
    if (!lambda) return {};
    QStringList lines{tr("λ = %1 Å").arg(double(*lambda), 0, 'f', 3)};
    for (std::size_t i = 0; i < curves.size(); ++i)
        lines.push_back(tr("%1: I = %2")
                            .arg(curveName(i))
                            .arg(double(Break_x::CurveIntensity(curves[i], *lambda)), 0, 'f', 4));
    return lines;
}

QString TXrayPicture::dataCsv() const {
    QString csv = tr("λ (Å)");
    for (std::size_t i = 0; i < curves.size(); ++i)
        csv += ',' + tr("I %1 (отн. ед.)").arg(curveName(i));
    csv += '\n';
    for (const auto &row : Break_x::CurveRows(curves)) {
        QStringList cells;
        for (const long double v : row)
            cells.push_back(QString::number(double(v), 'g', 15));
        csv += cells.join(',') + '\n';
    }
    return csv;
}

OverlayMarks TXrayPicture::theory() const {
    if (curves.empty()) return {};
    const Break_x::XrayCurve &last = curves.back();
    return xrayTheoryMarks(last.voltage, last.index, image->Bitmap.size());
}
