#pragma once
// The window "Тормозной и характеристический рентгеновский спектр": a page
// with the tube, and a page that superimposes spectra of chosen elements at
// chosen voltages with a movable wavelength marker.
#include "atomic/xray/Break_x.h"
#include "widgets/DemoForm.h"

#include <QPushButton>
#include <cstdint>
#include <memory>
#include <random>

class QComboBox;
class QGroupBox;
class QLabel;
class QScrollBar;
class QSlider;
class QStatusBar;
class QTableWidget;
class QTabWidget;
class TImage;
class TKeyboardDrag;
class TPanel;
class TXrayPicture;

class Tform_Main : public TDemoForm {
    Q_OBJECT
  public:
    explicit Tform_Main(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1; // "Рентгеновская трубка"
    QWidget *TabSheet2; // "Расчет спектров"
    TImage *Image3;     // the tube drawing
    TImage *Image4;     // the tube on its stand
    TPanel *Panel1;
    QGroupBox *GroupBox1;
    QLabel *Label1;
    QComboBox *cb_Elements;
    QGroupBox *GroupBox3;
    QLabel *Voltage_lb;
    QSlider *Voltage_Track;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QTableWidget *ListView1;
    TPanel *Panel2;
    TImage *im_Graphics;
    QWidget *im_Y;
    QWidget *im_X;
    QScrollBar *ScrollBar;
    QStatusBar *sb_Main;
    TKeyboardDrag *keys = nullptr; // the wavelength marker

    Break_x::XrayState State;        // voltage, colour and scales of the picture
    bool WasLine = false;            // a marker is drawn on the picture
    std::uint16_t Old_Value = 0;     // marker position, pixels from the vertical axis
    std::uint8_t UnknownElement = 0; // table index 11..16 of the hidden element
    // The readout and data of the curves drawn.
    std::shared_ptr<TXrayPicture> Readout;

    // Text of status panel 1 (hints) or 2 (wavelength).
    QString statusText(int panel) const;
    // Colour of the curve of a row of ListView1.
    QColor ListView1AdvancedCustomDrawItem(int row) const;

  public slots:
    void Voltage_TrackChange();
    void cb_ElementsChange();
    void BitBtn1Click();
    void BitBtn2Click();
    void ScrollBarScroll(int position);
    void FormResize();

  protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

  private:
    void FormCreate();
    void buildTubePage();
    void buildSpectrumPage();
    void buildControls(QWidget *parent);
    void buildList(QWidget *parent);
    void buildPicture(QWidget *parent);
    void setHint(QWidget *w, const QString &hint);
    void drawMarker();
    void showWavelength();
    std::mt19937 random;
    QLabel *statusPanels[2] = {nullptr, nullptr};
};

extern Tform_Main *form_Main;
