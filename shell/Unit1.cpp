#include "shell/Unit1.h"

#include "canvas/Colours.h"
#include "core/WavelengthWalk.h"
#include "shell/Help.h"
#include "shell/Language.h"
#include "shell/Registry.h"
#include "shell/Scale.h"
#include "widgets/DataFiles.h"
#include "widgets/DemoForm.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <cstdlib>
#include <unistd.h>

TForm1 *Form1 = nullptr;

const QString TForm1::kHelpFile = QStringLiteral("Lumivista.chm");
const QString TForm1::kSiteUrl = QStringLiteral("https://lumivista.example/");
const QString TForm1::kTeamUrl = QStringLiteral("https://lumivista.example/team");

void (*TForm1::exitProcess)(int) = [](int code) { ::_exit(code); };
bool (*TForm1::startProgram)(const QString &, const QStringList &) =
    [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };

namespace {

using namespace colours;

// The underlined font of the link-like labels and buttons.
QFont linkFont() {
    QFont f = pixelFont(11);
    f.setUnderline(true);
    return f;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QRect bounds,
                  const QColor &colour, const QFont &font) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(bounds);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

} // namespace

TSpeedButton::TSpeedButton(QWidget *parent, const QString &caption, const QColor &fontColor)
    : QToolButton(parent) {
    setText(caption);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFont(linkFont());
    setStyleSheet(QStringLiteral("QToolButton { color: %1; background: transparent; border: none; }"
                                 "QToolButton:hover { border: 1px solid #a0a0a0; }")
                      .arg(fontColor.name()));
}

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    // The folder of the help file (the program's own, or the installed data
    // folder) becomes current, so that it and the data beside it are found.
    QDir::setCurrent(QFileInfo(dataFilePath(kHelpFile)).absolutePath());
    setWindowTitle(tr("Демонстрации"));
    setFont(pixelFont(11));
    setFixedSize(329, 573);

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 329, 573);
    Image1->Stretch = true;
    // A missing or broken picture leaves the plain button face.
    Image1->Bitmap = QImage(QStringLiteral(":/launcher/background.bmp"));
    buildLabels();
    buildButtons();
    buildScaleChoice();
    centreOnDesktop(this);
}

void TForm1::buildLabels() {
    QFont title = pixelFont(13);
    QFont subject = pixelFont(16);
    subject.setBold(true);
    subject.setItalic(true);
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Лумивиста: демонстрации по физике"),
                       QRect(16, 0, 297, 16), clPurple, title);
    Label2 = makeLabel(this, QStringLiteral("Label2"), tr("Оптика и атомная физика"),
                       QRect(16, 16, 297, 20), clRed, subject);
    Label4 = makeLabel(this, QStringLiteral("Label4"), tr("Авторы: команда проекта Lumivista"),
                       QRect(16, 40, 297, 13), clHotLight, linkFont());
    Label3 = makeLabel(this, QStringLiteral("Label3"), tr("Сайт: lumivista.example"),
                       QRect(16, 56, 297, 13), clHotLight, linkFont());
    for (QLabel *l : {Label3, Label4}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }
}

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Label4)
            Label4Click();
        else if (watched == Label3)
            Label3Click();
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

// The launcher's own buttons below the demonstrations.
struct ButtonRow {
    int top;
    TSpeedButton *TForm1::*button;
    const char *name;
    const char *caption;
    QColor colour;
    void (TForm1::*click)();
};
const ButtonRow kOwnButtons[] = {
    {520, &TForm1::SpeedButton16, "SpeedButton16",
     QT_TRANSLATE_NOOP("TForm1", "Справка по программе"), clMaroon, &TForm1::SpeedButton16Click},
    {544, &TForm1::SpeedButton3, "SpeedButton3", QT_TRANSLATE_NOOP("TForm1", "Выход из программы"),
     clRed, &TForm1::SpeedButton3Click},
};

TSpeedButton *addButton(TForm1 *form, const char *name, const char *caption, QColor colour,
                        int top) {
    auto *b = new TSpeedButton(form, TForm1::tr(caption), colour);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(16, top, 297, 22);
    return b;
}

} // namespace

void TForm1::buildButtons() {
    for (const WindowEntry &w : windowRegistry()) {
        if (!w.button) continue;
        TSpeedButton *b = addButton(this, w.button, w.caption, clGreen, w.buttonTop);
        connect(b, &QToolButton::clicked, this,
                [&w] { static_cast<TDemoForm *>(w.window())->Show(); });
    }
    for (const ButtonRow &r : kOwnButtons) {
        this->*r.button = addButton(this, r.name, r.caption, r.colour, r.top);
        connect(this->*r.button, &QToolButton::clicked, this, r.click);
    }
}

// A link-like line in the gap between the credits and the demonstrations.
void TForm1::buildScaleChoice() {
    ScaleButton = new QToolButton(this);
    ScaleButton->setObjectName(QStringLiteral("ScaleButton"));
    ScaleButton->setText(tr("Масштаб: %1").arg(scaleCaption(programScale())));
    ScaleButton->setGeometry(16, 78, 297, 18);
    ScaleButton->setAutoRaise(true);
    ScaleButton->setCursor(Qt::PointingHandCursor);
    ScaleButton->setFocusPolicy(Qt::NoFocus);
    ScaleButton->setFont(linkFont());
    ScaleButton->setStyleSheet(
        QStringLiteral("QToolButton { color: %1; background: transparent; border: none; }"
                       "QToolButton::menu-indicator { image: none; width: 0; }")
            .arg(clHotLight.name()));
    auto *menu = new QMenu(ScaleButton);
    auto *group = new QActionGroup(menu);
    for (double f : programScales()) {
        QAction *a = group->addAction(scaleCaption(f));
        a->setCheckable(true);
        a->setChecked(f == programScale());
        connect(a, &QAction::triggered, this, [this, f] { ScaleChosen(f); });
    }
    menu->addActions(group->actions());
    ScaleButton->setMenu(menu);
    ScaleButton->setPopupMode(QToolButton::InstantPopup);
}

void TForm1::ScaleChosen(double factor) {
    if (factor == programScale()) return;
    if (!startProgram(QCoreApplication::applicationFilePath(),
                      scaleArguments(factor) + languageArguments())) {
        QMessageBox::warning(this, windowTitle(), tr("Не удалось перезапустить программу."));
        return;
    }
    SpeedButton3Click();
}

void TForm1::SpeedButton16Click() {
    openHelp(this, kHelpFile);
}

void TForm1::SpeedButton3Click() {
    fadeOut(this, TDemoForm::kFadeMs, [this] {
        hide();
        exitProcess(0);
    });
}

void TForm1::closeEvent(QCloseEvent *event) {
    event->accept();
    QCoreApplication::exit(0);
}

void TForm1::Label4Click() {
    QDesktopServices::openUrl(QUrl(kTeamUrl));
}
void TForm1::Label3Click() {
    QDesktopServices::openUrl(QUrl(kSiteUrl));
}

void TForm1::WavelengthToRGB(int &red, int &green, int &blue, int wavelength) const {
    const Rgb c = wavelengthToRgb(wavelength);
    red = c.red;
    green = c.green;
    blue = c.blue;
}
