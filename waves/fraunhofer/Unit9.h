#pragma once
// The window "Дифракция Фраунгофера": the picture of parallel light after a
// rectangular opening (or the shadow of a rectangular plate) on a distant
// screen, computed off the user-interface thread.
#include "waves/fraunhofer/Fraunhofer.h"
#include "widgets/DemoForm.h"

#include <QPointer>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QProgressBar;
class QPushButton;
class TBackgroundComputation;
class TCSpinEdit;
class TFraunhoferPicture;
class TImage;
class TPanel;

class TForm9 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm9(QWidget *parent = nullptr);

    TPanel *Panel1, *Panel2;
    TImage *Image1;
    TCSpinEdit *CSpinEdit1;
    QLineEdit *Edit2, *Edit3, *Edit4, *Edit5;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10;
    QComboBox *ComboBox1;
    QCheckBox *CheckBox1, *CheckBox2;
    QPushButton *Button1;
    QProgressBar *ProgressBar1;
    // The last message shown about the inputs (non-blocking, for tests too).
    QPointer<QMessageBox> MessageBox1;

    // The last result; kept until the next one arrives.
    FraunhoferPicture Result;
    // The readout and data of the picture.
    std::shared_ptr<TFraunhoferPicture> Readout;

    bool isBusy() const;
    // The inputs as the boxes hold them now.
    FraunhoferInputs readInputs();

  public slots:
    void Button1Click();
    // Draws the result with the view options the controls hold now.
    void DrawResult();

  private:
    void buildControls();
    void showProblem(FraunhoferProblem problem);
    TBackgroundComputation *Computation;
};

extern TForm9 *Form9;
