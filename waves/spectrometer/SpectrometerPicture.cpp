#include "waves/spectrometer/SpectrometerPicture.h"

#include "waves/spectrometer/GratingTheoryMarks.h"
#include "waves/spectrometer/SpectrometerProbe.h"
#include "waves/spectrometer/Unit8.h"

#include <QCheckBox>
#include <QComboBox>

SpectrometerParams TSpectrometerPicture::params() const {
    SpectrometerParams p;
    p.imageWidth = form->Image1->width();
    p.imageHeight = form->Image1->height();
    p.firstOrder = form->CheckBox2->isChecked();
    p.secondOrder = form->CheckBox3->isChecked();
    p.whiteLight = form->ComboBox1->currentIndex() <= 0;
    p.source = form->Source;
    return p;
}

QStringList TSpectrometerPicture::readoutAt(QPoint pixel) const {
    if (form->Image1->Bitmap.isNull()) return {};
    const SpectrometerParams p = params();
    QStringList lines;
    for (const int order : {1, 2}) {
        if (!(order == 1 ? p.firstOrder : p.secondOrder)) continue;
        if (const auto nm = spectralWavelengthAt(p.imageWidth, p.imageHeight, order, pixel.y()))
            lines.push_back(tr("%1-й порядок: λ = %2 нм").arg(order).arg(*nm));
    }
    return lines;
}

bool TSpectrometerPicture::hasData() const {
    return !form->Image1->Bitmap.isNull() && !spectrometerLines(params()).empty();
}

QString TSpectrometerPicture::dataCsv() const {
    QString csv = tr("порядок,λ (нм),смещение от оси (пикс.),яркость (%)") + '\n';
    for (const SpectralLine &l : spectrometerLines(params()))
        csv += QStringLiteral("%1,%2,%3,%4\n")
                   .arg(l.order)
                   .arg(l.lambda)
                   .arg(QString::number(double(l.offset), 'g', 9))
                   .arg(l.brightness);
    return csv;
}

bool TSpectrometerPicture::hasTheory() const {
    return !form->Image1->Bitmap.isNull();
}

OverlayMarks TSpectrometerPicture::theory() const {
    const SpectrometerParams p = params();
    return gratingTheoryMarks(p.source, p.whiteLight, p.firstOrder, p.secondOrder,
                              QSize(p.imageWidth, p.imageHeight));
}
