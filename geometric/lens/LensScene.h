#pragma once
// The picture of the lens window: axis, lens, focal marks, the object, its
// image and the two construction rays, at 10 pixels per centimetre.
#include "canvas/Canvas.h"
#include "geometric/lens/ThinLens.h"

#include <QColor>
#include <QPoint>
#include <QString>

// Element colours, as the legend shows them.
struct LensColours {
    QColor object{0xFF, 0xFF, 0x00};
    QColor image{0xFF, 0x80, 0x00};
    QColor lens{0x00, 0xFF, 0xFF};
    QColor axis{0x00, 0x00, 0xFF};
    QColor ray1{0xFF, 0xFF, 0x00};
    QColor ray2{0xFF, 0x80, 0x00};
    QColor background{0x00, 0x00, 0x00};
};

// What the window's boxes hold, read leniently, and the panel the picture
// belongs to. The defaults are the window's.
struct LensParams {
    double D = 8;         // optical power, dioptres
    double d = 28;        // object distance, cm
    double h = 6;         // object height, cm
    double a = 90;        // object tilt, degrees
    int panelWidth = 591; // the lens plane and the axis sit at the panel's centre
    int panelHeight = 234;
    LensColours colours;
};

struct LensOutputs {
    // False when D, d or h is 0: there is no image and the boxes keep their texts.
    bool imageBuilt = false;
    QString imageDistance; // f, "#,##0.00", negative for a virtual image
    QString imageHeight;   // h'
};

LensOutputs drawLensScene(Canvas &canvas, const LensParams &p);

// The mouse on that picture, X and Y in picture pixels, the object taken
// from the parameters the same way the picture takes it.
// True when the pointer may grab the object.
bool onObject(const LensParams &p, int X, int Y);
// The object's height and tilt that put its tip under the pointer.
thinlens::TipPose tipToPointer(const LensParams &p, int X, int Y);
// The object distance after the object slid dx pixels to the right.
float slideObject(const LensParams &p, int dx);
// The object's base and tip in picture pixels, where the mouse finds them.
QPoint objectBase(const LensParams &p);
QPoint objectTip(const LensParams &p);
