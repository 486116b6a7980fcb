#pragma once
// The integer spin edits of the windows: a one-line box with up and down
// buttons at its right edge. TCSafeSpinEdit swallows Enter and Tab silently.
#include <QWidget>

class QLineEdit;
class QToolButton;

class TCSpinEdit : public QWidget {
    Q_OBJECT
  public:
    explicit TCSpinEdit(QWidget *parent = nullptr);

    // Reading converts the text; an invalid text becomes MinValue, written back.
    int Value();
    // Writing clamps to [MinValue, MaxValue] unless they are equal.
    void setValue(int v);
    int MinValue = 0;
    int MaxValue = 0;
    int Increment = 1;
    void setMinValue(int v) { MinValue = v; }
    void setMaxValue(int v) { MaxValue = v; }
    void setIncrement(int v) { Increment = v; }

    QString Text() const;
    void setText(const QString &t);
    QLineEdit *editor() const { return edit; }

  signals:
    // The box's text changed (typing, steps, writing Value).
    void Change();

  protected:
    QLineEdit *edit = nullptr;
    QToolButton *upButton = nullptr;
    QToolButton *downButton = nullptr;
};

class TCSafeSpinEdit : public TCSpinEdit {
    Q_OBJECT
  public:
    explicit TCSafeSpinEdit(QWidget *parent = nullptr);
};
