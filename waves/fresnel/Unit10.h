#pragma once
// The window "Дифракция Френеля": a point source's light after a round or
// ring-shaped opening, as rings on the screen and as a graph against the
// radius, computed off the user-interface thread.
#include "waves/fresnel/Fresnel.h"
#include "widgets/DemoForm.h"

#include <QPointer>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QTabWidget;
class TBackgroundComputation;
class TCSpinEdit;
class TFresnelPicture;
class TImage;
class TPanel;

class TForm10 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm10(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    TImage *Image1, *Image2;
    TPanel *Panel2;
    TCSpinEdit *CSpinEdit1, *CSpinEdit2, *CSpinEdit3;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16;
    QCheckBox *CheckBox1, *CheckBox2;
    QPushButton *Button1;
    QProgressBar *ProgressBar1;
    // The last message shown about the inputs (non-blocking, for tests too).
    QPointer<QMessageBox> MessageBox1;

    // The last result; kept until the next one arrives.
    FresnelProfile Result{};
    // The readouts and data of the rings and of the graph.
    std::shared_ptr<TFresnelPicture> RingsReadout, GraphReadout;

    bool isBusy() const;
    // The inputs as the controls hold them now; subdivisions above the
    // spin edits' maximum are taken at the maximum, as leaving the box would.
    FresnelInputs readInputs();

  public slots:
    void Button1Click();
    // Draws the graph and the rings with the options the controls hold now.
    void DrawResult();

  private:
    void buildPages();
    void buildControls();
    void showProblem(FresnelProblem problem);
    TBackgroundComputation *Computation;
};

extern TForm10 *Form10;
