#pragma once
// The window "Интерференция от точечных источников. Общая интерференционная схема.".
#include "waves/interference/InterferenceKernel.h"
#include "widgets/DemoForm.h"

#include <QPointer>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;
class TBackgroundComputation;
class TCSpinEdit;
class TGraphPanel;
class TInterferencePicture;
class TPanel;
class TSourceKeys;
class TSourcePanel;

class TForm12 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm12(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    QLabel *Image1;
    TSourcePanel *SourcePanel1;
    TSourceKeys *keys = nullptr; // the keyboard on the strip
    TGraphPanel *GraphPanel1;
    // The graph's readout and data.
    std::shared_ptr<TInterferencePicture> GraphReadout;
    TPanel *Panel1;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QToolButton *SpeedButton1, *SpeedButton2;
    QComboBox *ComboBox1;
    TCSpinEdit *CSpinEdit1;
    QLabel *Label1, *Label2;
    QPushButton *Button1;
    QProgressBar *ProgressBar1;
    // The last failure message shown (non-blocking, for the teacher and tests).
    QPointer<QMessageBox> MessageBox1;

    bool isBusy() const;

  public slots:
    void Button1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

  private:
    void buildScheme();
    void buildControls();
    void buildInputs();
    void showFailure(const QString &text);
    void takeResult(InterferenceRun &run);
    TBackgroundComputation *Computation;
};

extern TForm12 *Form12;
