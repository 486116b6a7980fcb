#pragma once
// The one way windows build their controls: at the designed coordinates,
// with the object names tests and tools find them by. Controls take the
// window's font from their parent.
#include <QPoint>
#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TCSpinEdit;

// A label whose size follows its text, its top-left corner at `at`.
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QPoint at);
// A label in a fixed box.
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect box);
QLineEdit *addEdit(QWidget *parent, const char *name, const QString &text, QRect box);
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect box);
// A check box whose size follows its caption.
QCheckBox *addCheckBox(QWidget *parent, const char *name, const QString &caption, QPoint at,
                       bool checked = false);
// Writes a result into a box; a number wider than the box shows its beginning.
void showReadout(QLineEdit *box, const QString &text);
TCSpinEdit *addSpinEdit(QWidget *parent, const char *name, QRect box, int minValue, int maxValue,
                        int value);

// Any other control, named; its place comes from alignment or its parent.
template <class W> W *addControl(W *w, const char *name) {
    w->setObjectName(QLatin1String(name));
    return w;
}
// Any other control, named and placed.
template <class W> W *addControl(W *w, const char *name, QRect box) {
    w->setGeometry(box);
    return addControl(w, name);
}
