#pragma once
// The readout and the data of the spectrum picture: the wavelength at the
// pointer and the intensity of every curve drawn, named as the list names it.
#include "atomic/xray/XrayProbe.h"
#include "widgets/Overlay.h"

#include <QCoreApplication>
#include <vector>

class TImage;

class TXrayPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TXrayPicture)
  public:
    explicit TXrayPicture(const Break_x::XrayState *state) : state(state) {}
    // The spectrum picture the theory is drawn over.
    void setImage(const TImage *picture) { image = picture; }
    // A curve drawn of entry `index` (ignored when there is no such entry)
    // and the name the list shows for it; clear() when the picture is wiped.
    void addCurve(int index, std::int32_t voltage, const QString &name);
    void clear();
    QStringList readoutAt(QPoint pixel) const override;
    // For the curve drawn last.
    bool hasTheory() const override { return image && !curves.empty(); }
    OverlayMarks theory() const override;
    bool hasData() const override { return !curves.empty(); }
    QString dataCsv() const override;

  private:
    QString curveName(std::size_t i) const;
    const Break_x::XrayState *state;
    const TImage *image = nullptr;
    std::vector<Break_x::XrayCurve> curves;
    QStringList names;
};
