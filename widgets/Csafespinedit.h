#pragma once
// The integer spin edits of the windows: a one-line box with up and down
// buttons at its right edge. TCSafeSpinEdit swallows Enter and Tab silently.
#include <QWidget>

class QLineEdit;
class QTimer;
class QToolButton;
class QKeyEvent;
class QFocusEvent;

class TCSpinEdit : public QWidget {
    Q_OBJECT
  public:
    explicit TCSpinEdit(QWidget *parent = nullptr);
    ~TCSpinEdit() override;

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
    // Off: printable characters, Backspace, cut and paste are refused.
    bool EditorEnabled = true;
    // Select the whole text when the focus enters, unless by a left press.
    bool AutoSelect = true;
    bool ReadOnly() const;
    void setReadOnly(bool on);

    QString Text() const;
    void setText(const QString &t);
    QLineEdit *editor() const { return edit; }

    // One step up or down, as the buttons and the arrow keys do; read-only
    // refuses with a beep.
    void UpClick();
    void DownClick();

    // The button pair, and the timer that repeats a held button (400 ms,
    // then every 100 ms). Tests drive the timer through repeatTick().
    static constexpr int kButtonWidth = 15;
    static constexpr int kButtonsHeight = 17;
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;
    QToolButton *upButtonWidget() const { return upButton; }
    QToolButton *downButtonWidget() const { return downButton; }
    QTimer *repeatTimer() const { return repeat; }
    void repeatTick();

    // Character filter of the box: true when the character may reach it.
    bool acceptsChar(QChar c) const;

  signals:
    // The box's text changed (typing, steps, writing Value).
    void Change();

  protected:
    // Every refusal sounds through here (tests count them).
    virtual void beep();
    // Key handling of the inner box; true when the event was dealt with.
    virtual bool handleKeyPress(QKeyEvent *event);
    void resizeEvent(QResizeEvent *event) override;

    QLineEdit *edit = nullptr;
    QToolButton *upButton = nullptr;
    QToolButton *downButton = nullptr;

  private:
    friend class SpinLineEdit;
    int checkValue(long long v) const;
    void step(int sign);
    void buttonPressed(QToolButton *button);
    void buttonReleased();
    void focusEntered(Qt::FocusReason reason);
    void focusLeft();
    void layoutParts();
    QTimer *repeat = nullptr;
    QToolButton *held = nullptr;
};

class TCSafeSpinEdit : public TCSpinEdit {
    Q_OBJECT
  public:
    explicit TCSafeSpinEdit(QWidget *parent = nullptr);

  protected:
    bool handleKeyPress(QKeyEvent *event) override;
};
