#pragma once
// The black strip on which the user places coherent point sources: left drag
// adds (with the brightness of the spin edit), right drag removes.
#include "waves/interference/InterferencePlot.h"
#include "waves/interference/InterferenceSources.h"

#include <QImage>
#include <QWidget>

class TCSpinEdit;

class TSourcePanel : public QWidget {
    Q_OBJECT
  public:
    explicit TSourcePanel(QWidget *parent = nullptr);
    SourceList Sources;
    // The brightness new sources get (the window's CSpinEdit1).
    int brightness() const { return Brightness; }
    void setBrightness(int value) { Brightness = value; }

    enum class Drag { None, Add, Remove };
    Drag dragMode() const { return drag; }
    // A click of `button` at `position`, through the mouse's own handlers
    // (left: a source of brightness() there, right: none there); for the
    // keyboard.
    void clickAt(Qt::MouseButton button, int position);
    // The column of a position.
    int columnOf(int position) const { return position + width() / 2; }

  signals:
    // The pointer's place and the brightness there, for the status label.
    void statusChanged(const QString &text);
    // The wheel stepped the brightness, within 0..255.
    void brightnessChanged(int value);
    // A drag added or removed sources.
    void sourcesChanged();

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
    int Brightness = 255;
};

// Keeps a strip's brightness and a spin edit in step both ways.
void bindBrightness(TSourcePanel *strip, TCSpinEdit *spin);
