#pragma once
// The window "Отражение света. Построение изображения в зеркале.": the user
// drags a lamp and an eye to the right of a plane mirror; two reflected rays
// and their dotted extensions show where the lamp's image stands, and a dim
// lamp marks it there.
#include "geometric/mirror/MirrorScene.h"
#include "widgets/DemoForm.h"
#include "widgets/Surface.h"

#include <memory>

#include <QImage>
#include <QWidget>

class TKeyboardDrag;

// A picture that lets the surface show through its transparent parts and
// reports the mouse in screen coordinates.
class TSprite : public QWidget {
    Q_OBJECT
  public:
    TSprite(QWidget *parent, const QString &resource);
    QImage Picture;

  signals:
    void mouseDown(QPoint screen);
    void mouseMove(QPoint screen);
    void mouseUp(QPoint screen);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class TMirrorPicture;

class TForm5 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm5(QWidget *parent = nullptr);

    RaySurface *surface;
    TPanel *Panel1;
    TImage *Image1;
    // The picture's readout.
    std::shared_ptr<TMirrorPicture> Readout;
    TSprite *Image2; // the lamp
    TSprite *Image3; // the eye
    TSprite *Image4; // the lamp's image, placed by DrawScene

    TKeyboardDrag *keys = nullptr; // the lamp, then the eye

    bool LampDragging = false;
    bool EyeDragging = false;
    // The picture's corner minus the cursor's screen position at the grab.
    int LampDX = 0, LampDY = 0;
    int EyeDX = 0, EyeDY = 0;

    void FormCreate();
    Q_INVOKABLE void DrawScene();
    void KeepLampInside();
    void KeepEyeInside();
    void Panel1Resize();
    void Image2MouseDown(QPoint screen);
    void Image2MouseMove(QPoint screen);
    void Image2MouseUp();
    void Image3MouseDown(QPoint screen);
    void Image3MouseMove(QPoint screen);
    void Image3MouseUp();

    // The scene as the pictures stand now.
    MirrorParams readParams() const;
};

extern TForm5 *Form5;
