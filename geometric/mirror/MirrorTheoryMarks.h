#pragma once
// The mirror-symmetric image and the reflection points over the mirror picture.
#include "geometric/mirror/PlaneMirror.h"
#include "widgets/Overlay.h"

// The picture's width and the lamp's and the eye's boxes as placed now.
OverlayMarks mirrorTheoryMarks(int width, const planemirror::Box &lamp,
                               const planemirror::Box &eye);
