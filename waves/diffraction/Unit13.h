#pragma once
// The window "Дифракция. Основные черты и закономерности.": a reading page
// with four pictures and seven text blocks on a tall panel that scrolls
// vertically, one line per wheel event.
#include "widgets/DemoForm.h"

#include <QLabel>
#include <QScrollArea>

class QWheelEvent;

class TForm13 : public TDemoForm {
    Q_OBJECT
  public:
    explicit TForm13(QWidget *parent = nullptr);

    QScrollArea *ScrollBox1;
    QWidget *Panel1; // the page, 505 wide, 2455 high or taller as its texts need
    QLabel *Label1, *Label2, *Label5, *Label6, *Label7, *Label8, *Label3;
    QLabel *Image1, *Image2, *Image4, *Image3;

    // One line up for a positive distance, one line down otherwise.
    void FormMouseWheel(int distance);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void createTexts();
    void createPictures();
    void fitTexts();
    void wheel(QWheelEvent *event);
};

extern TForm13 *Form13;
