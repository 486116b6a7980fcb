#pragma once
// The window "Кольца Ньютона": the experiment (two pictures and its clip)
// and the rings computed from the lens, the step and the wavelength, drawn
// from the centre outward in grey or in the light's colour.
#include "widgets/DemoForm.h"

#include <QPointer>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTimer;
class TBackgroundComputation;
class TImage;
class TNewtonPicture;
class TPanel;
class TVideoPanel;

class TForm7 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm7(QWidget *parent = nullptr);
    ~TForm7() override;

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    TPanel *Panel4, *Panel3;
    TImage *Image2, *Image3;
    TVideoPanel *MediaPlayer1;
    TPanel *Panel1, *Panel2;
    TImage *Image1;
    QScrollBar *ScrollBar1, *ScrollBar2;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QProgressBar *ProgressBar1;
    // Starts the clip a little after the page shows (playing at once can stall).
    QTimer *VideoTimer;
    // The last message shown (non-blocking, for the teacher and tests).
    QPointer<QMessageBox> MessageBox1;

    // The ring count of the last computation started.
    int RingCount = 0;
    // The readout and data of the rings drawn.
    std::shared_ptr<TNewtonPicture> RingsPicture;

    bool isBusy() const;
    void FormShow() override;
    void Panel1Resize();
    void MediaPlayer1Notify();
    // Hand-overs of a computation: the picture prepared for n rings, then
    // the rings drawn (on the worker) shown in its place.
    void Prepare(int n);
    void DrawRings(QImage &picture);

  public slots:
    void Button1Click();

  protected:
    void hideEvent(QHideEvent *event) override;

  private:
    void buildScheme();
    void buildModel();
    void buildInputs();
    void placeScrollBars();
    void setBusy(bool on);
    void showFailure(const QString &text);
    TBackgroundComputation *Computation;
    bool videoOpened = false;
};

extern TForm7 *Form7;
