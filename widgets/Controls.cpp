#include "widgets/Controls.h"

#include "widgets/Csafespinedit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QPoint at) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(at);
    l->adjustSize();
    return l;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect box) {
    return addControl(new QLabel(text, parent), name, box);
}

QLineEdit *addEdit(QWidget *parent, const char *name, const QString &text, QRect box) {
    return addControl(new QLineEdit(text, parent), name, box);
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect box) {
    return addControl(new QPushButton(caption, parent), name, box);
}

QCheckBox *addCheckBox(QWidget *parent, const char *name, const QString &caption, QPoint at,
                       bool checked) {
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(QLatin1String(name));
    c->setChecked(checked);
    c->move(at);
    c->adjustSize();
    return c;
}

void showReadout(QLineEdit *box, const QString &text) {
    box->setText(text);
    box->setCursorPosition(0);
}

TCSpinEdit *addSpinEdit(QWidget *parent, const char *name, QRect box, int minValue, int maxValue,
                        int value) {
    auto *s = addControl(new TCSpinEdit(parent), name, box);
    s->setMinValue(minValue);
    s->setMaxValue(maxValue);
    s->setValue(value);
    return s;
}
