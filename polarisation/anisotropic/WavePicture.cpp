#include "polarisation/anisotropic/WavePicture.h"

#include "polarisation/PolarisationTheoryMarks.h"
#include "polarisation/anisotropic/Unit11.h"
#include "polarisation/anisotropic/WaveProbe.h"
#include "widgets/Surface.h"

namespace {

QString components(const FieldPoint &f) {
    return QStringLiteral("Ex = %1, Ey = %2")
        .arg(f.Ex / kWaveAmplitude, 0, 'f', 3)
        .arg(f.Ey / kWaveAmplitude, 0, 'f', 3);
}

} // namespace

QStringList TWavePicture::readoutAt(QPoint pixel) const {
    const QImage &bitmap = (behind ? form->Image2 : form->Image1)->Bitmap;
    const int side = bitmap.width();
    if (!bitmap.rect().contains(pixel)) return {};
    QStringList lines{
        tr("толщина пластинки d = %1 нм").arg(double(form->params.d * 1e9), 0, 'g', 6)};
    if (pixel.y() < side) return lines << components(vectorAt(pixel.x(), pixel.y(), side));
    const auto t = plotTimeAt(form->animation, form->params, pixel.x(), side);
    const auto fields = t ? waveFieldsAt(form->params, *t) : std::nullopt;
    if (!fields) return lines;
    return lines << tr("t = %1 фс").arg(double(*t * 1e15), 0, 'f', 2)
                 << components(behind ? fields->out : fields->in);
}

OverlayMarks TWavePicture::theory() const {
    const QImage &bitmap = (behind ? form->Image2 : form->Image1)->Bitmap;
    return anisotropicTheoryMarks(form->params, bitmap.width(), behind);
}
