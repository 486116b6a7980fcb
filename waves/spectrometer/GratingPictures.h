#pragma once
// The pictures of the page explaining the diffraction grating, drawn by the
// program itself at any size.
#include <QImage>
#include <QSize>

// A grating as a field of fine vertical lines with a magnifying glass over
// one corner, which shows the lines widened.
QImage drawGratingUnderGlass(QSize size);
// A lens focusing parallel rays onto a screen at its focal distance F, the
// angle theta_m, and an intensity curve whose lines are marked on a scale.
QImage drawGratingFocusing(QSize size);
// Parallel rays on a grating of period d and slit width D, the path
// difference between neighbouring slits and a lens bringing the diffracted
// rays to a point P of the screen.
QImage drawGratingPathDifference(QSize size);
