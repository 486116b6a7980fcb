#pragma once
// The window "Построение изображения в линзе.": the user sets the lens power
// and the object, the window draws the ray diagram (LensScene) and shows the
// image distance and height; the object can be dragged with the mouse.
#include "geometric/lens/LensScene.h"
#include "widgets/ColorDialog.h"
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

class TKeyboardDrag;
class TLensPicture;

class TForm3 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm3(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;
    // The picture's readout.
    std::shared_ptr<TLensPicture> Readout;
    // Legend: each element's name in the element's colour.
    QLabel *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19;
    TPanel *Panel2;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QToolButton *SpeedButton1;
    TColorDialog *ColorDialog1;

    // Drag state: the flag and the pointer's last column, in picture pixels.
    bool Dragging = false;
    int DragX = 0;
    TKeyboardDrag *keys = nullptr; // the object, then its tip

    void FormCreate();
    Q_INVOKABLE void DrawScene();
    void SpeedButton1Click();
    void FormKeyPress(QChar key) override;
    void Edit4Change();
    void Label13Click(QLabel *sender);
    void Image1DblClick();
    void Image1MouseDown(int X, int Y);
    void Image1MouseMove(Qt::MouseButtons buttons, int X, int Y);
    void Image1MouseUp();

    // The scene as the controls describe it now.
    LensParams readParams() const;

  private:
    void createLegend();
    void createInputs();
    void wireEvents();
    void placeLegend();
    void createKeys();
    void dragTip(int X, int Y);
    void dragAlongAxis(int X);
    void showPointerTip(int X, int Y);
};

extern TForm3 *Form3;
