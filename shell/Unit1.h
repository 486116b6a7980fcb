#pragma once
// The launcher: the program's main window, a column of link-like buttons that
// show the demonstrations, open the help and end the program.
#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include "widgets/Surface.h"

// A flat, link-like button of the launcher.
class TSpeedButton : public QToolButton {
    Q_OBJECT
  public:
    TSpeedButton(QWidget *parent, const QString &caption, const QColor &fontColor);
};

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm1(QWidget *parent = nullptr);

    TImage *Image1;
    QLabel *Label1, *Label2, *Label3, *Label4;
    // The demonstration buttons come from the window registry; these two
    // are the launcher's own.
    TSpeedButton *SpeedButton16, *SpeedButton3;
    // Restarts the program at another classroom scale (a menu of them).
    QToolButton *ScaleButton;

    void SpeedButton16Click(); // help
    void SpeedButton3Click();  // exit
    void Label3Click();
    void Label4Click();
    // Starts the program afresh at `factor` and ends this one as the exit
    // button does; the current scale does nothing.
    void ScaleChosen(double factor);

    // Red, green and blue of a wavelength in nanometres (see WavelengthWalk).
    void WavelengthToRGB(int &red, int &green, int &blue, int wavelength) const;

    // What the exit button does after its fade; tests replace it.
    static void (*exitProcess)(int code);
    // Starts a detached program; tests replace it.
    static bool (*startProgram)(const QString &program, const QStringList &arguments);

    static const QString kHelpFile;
    static const QString kSiteUrl;
    static const QString kTeamUrl;

  protected:
    // Closing the main window ends the application; the demonstration
    // windows only hide on close, so a plain quit() would be refused.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildLabels();
    void buildButtons();
    void buildScaleChoice();
};

extern TForm1 *Form1;
