#pragma once
// The window "Спектрометр на дифракционной решетке. Демонстрация спектров атомов.":
// a page of pictures explaining the grating, and the spectrometer drawn for
// the chosen source (white light or an atom from spectrum.ini).
#include "waves/spectrometer/SpectrumIni.h"
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QTabWidget;
class QTimer;
class TSpectrometerPicture;

class TForm8 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm8(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    TPanel *Panel2;
    TImage *Image2, *Image3, *Image4;
    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;
    TPanel *Panel3;
    QLabel *Label1;
    QComboBox *ComboBox1;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
    QProgressBar *ProgressBar1;
    QTimer *Timer1;

    // The chosen source: its ranges and colour (0x00BBGGRR).
    SpectrumSource Source;
    std::uint32_t SourceColor = kWhiteColourNumber;
    // The readout and data of the spectrometer's picture.
    std::shared_ptr<TSpectrometerPicture> Readout;

    void FormCreate();
    // Opens a spectra file and fills the source list from it; the list
    // keeps these titles until the file is opened again.
    void OpenSpectra(const QString &path);
    Q_INVOKABLE void DrawScene();
    void ComboBox1Change();
    void CheckBox1Click();

  private:
    void buildPictures();
    void buildControls();
    void sizeHiddenPage(QSize size);
    void drawAtFirstLayout();
    // Reads the spectra file again only when it has changed on disk.
    const IniFile &currentSpectra();
    QString spectraPath;
    IniFile spectra;
    QString spectraStamp;
    bool drawnOnce = false;
    bool laidOut = false;
};

extern TForm8 *Form8;
