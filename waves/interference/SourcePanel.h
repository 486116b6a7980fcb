#pragma once
// The black strip on which the user places coherent point sources: left drag
// adds (with the brightness of the spin edit), right drag removes.
#include "waves/interference/InterferencePlot.h"
#include "waves/interference/InterferenceSources.h"

#include <QImage>
#include <QWidget>

class QLabel;
class TCSpinEdit;

class TSourcePanel : public QWidget {
    Q_OBJECT
  public:
    explicit TSourcePanel(QWidget *parent = nullptr);
    SourceList Sources;
    QLabel *StatusLabel = nullptr;    // Label1
    TCSpinEdit *Brightness = nullptr; // CSpinEdit1; 255 without it

    enum class Drag { None, Add, Remove };
    Drag dragMode() const { return drag; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

  private:
    int positionOf(const QMouseEvent *event) const;
    void apply(int a, int b);
    QImage image;
    Drag drag = Drag::None;
    int anchor = 0;
};
