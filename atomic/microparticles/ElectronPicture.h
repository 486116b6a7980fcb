#pragma once
// The readout and the data of the electron screen: the distance from the
// centre, the hits so far in that ring, and the hits of every ring as CSV.
#include "widgets/Overlay.h"

#include <QCoreApplication>

class QComboBox;
class TDifrPanel;

class TElectronPicture : public TPictureProvider {
    Q_DECLARE_TR_FUNCTIONS(TElectronPicture)
  public:
    explicit TElectronPicture(const TDifrPanel *screen) : screen(screen) {}
    // The voltage list (kV) the theory reads; made after the screen.
    void setVoltageBox(const QComboBox *box) { voltage = box; }
    QStringList readoutAt(QPoint pixel) const override;
    bool hasTheory() const override { return voltage != nullptr; }
    OverlayMarks theory() const override;
    bool hasData() const override;
    QString dataCsv() const override;

  private:
    const TDifrPanel *screen;
    const QComboBox *voltage = nullptr;
};
