#pragma once
// What a screen reader hears: every control says what it is or what it sets,
// every picture what it shows and how to drive it.
#include <QString>

class QWidget;

// Gives each named control of `window` that has no accessible name one:
// what it sets, from the caption of the label before it (to its left on its
// row, else above it), else the title of its group or page. Controls with
// a caption of their own (buttons, check boxes) already say it. Pictures
// without a name are called "Рисунок". Runs again safely: names already
// given stay.
void nameControls(QWidget *window);

// A picture's name ("Рисунок") and its description: what it shows and how
// to drive it, one short sentence.
void describePicture(QWidget *picture, const QString &description);

// Whether a widget shows a picture: a bitmap surface, a label with a
// picture or an animation, a 3D view, a video, or one described above.
bool isPicture(const QWidget *w);
