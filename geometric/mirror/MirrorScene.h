#pragma once
// The picture of the mirror window: the mirror with its hatched back, the
// two reflected rays from the lamp to the eye and their dotted extensions
// to the lamp's image behind the mirror.
#include "canvas/Canvas.h"
#include "geometric/mirror/PlaneMirror.h"

#include <QPoint>

struct MirrorParams {
    int width = 542; // the drawing area (Image1)
    int height = 341;
    int fillWidth = 544; // the area the background fill covers (Panel1)
    int fillHeight = 343;
    planemirror::Box lamp{416, 40, 32, 48};
    planemirror::Box eye{424, 264, 32, 32};
};

// Draws the whole picture on a canvas whose brush holds the background and
// returns where the dim lamp (the virtual image) goes.
QPoint drawMirrorScene(Canvas &canvas, const MirrorParams &p);
