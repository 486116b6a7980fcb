#include "app/Unit1.h"

#include "app/Colours.h"
#include "app/DemoForm.h"
#include "app/Help.h"
#include "app/WavelengthWalk.h"
#include "atomic/U_main.h"
#include "atomic/Unit51.h"
#include "geometric/Unit15.h"
#include "geometric/Unit2.h"
#include "geometric/Unit3.h"
#include "geometric/Unit4.h"
#include "geometric/Unit5.h"
#include "geometric/Unit6.h"
#include "polarisation/Unit11.h"
#include "polarisation/Unit14.h"
#include "polarisation/Unit16.h"
#include "waves/Unit10.h"
#include "waves/Unit12.h"
#include "waves/Unit13.h"
#include "waves/Unit7.h"
#include "waves/Unit8.h"
#include "waves/Unit9.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QUrl>
#include <cstdlib>
#include <unistd.h>

TForm1 *Form1 = nullptr;

const QString TForm1::kHelpFile = QStringLiteral("Lumivista.chm");
const QString TForm1::kSiteUrl = QStringLiteral("https://lumivista.example/");
const QString TForm1::kTeamUrl = QStringLiteral("https://lumivista.example/team");

void (*TForm1::exitProcess)(int) = [](int code) { ::_exit(code); };

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
    l->setFont(fittedFont(font, text, bounds.width()));
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
    setFont(fittedFont(linkFont(), caption, 297 - 6));
    setStyleSheet(QStringLiteral("QToolButton { color: %1; background: transparent; border: none; }"
                                 "QToolButton:hover { border: 1px solid #a0a0a0; }")
                      .arg(fontColor.name()));
}

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    // The help file and the data files are looked up next to the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    setWindowTitle(QStringLiteral("Демонстрации"));
    setFont(pixelFont(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, clBtnFace);
    setPalette(pal);
    setFixedSize(329, 573);

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 329, 573);
    Image1->Stretch = true;
    // A missing or broken picture leaves the plain button face.
    Image1->Bitmap = QImage(QStringLiteral(":/launcher/background.bmp"));
    buildLabels();
    buildButtons();
    centreOnDesktop(this);
}

void TForm1::buildLabels() {
    QFont title = pixelFont(13);
    QFont subject = pixelFont(16);
    subject.setBold(true);
    subject.setItalic(true);
    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("Лумивиста: демонстрации по физике"), QRect(16, 0, 297, 16),
                       clPurple, title);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Оптика и атомная физика"),
                       QRect(16, 16, 297, 20), clRed, subject);
    Label4 = makeLabel(this, QStringLiteral("Label4"),
                       QStringLiteral("Авторы: команда проекта Lumivista"), QRect(16, 40, 297, 13),
                       clHotLight, linkFont());
    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Сайт: lumivista.example"),
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

// The launcher's buttons from top to bottom.
struct ButtonRow {
    int top;
    TSpeedButton *TForm1::*button;
    const char *name;
    const char *caption;
    QColor colour;
    void (TForm1::*click)();
};
const ButtonRow kButtons[] = {
    {104, &TForm1::SpeedButton5, "SpeedButton5",
     "Отражение света. Построение изображения в зеркале.", clGreen, &TForm1::SpeedButton5Click},
    {128, &TForm1::SpeedButton4, "SpeedButton4", "Преломление света на границе сред", clGreen,
     &TForm1::SpeedButton4Click},
    {152, &TForm1::SpeedButton7, "SpeedButton7", "Фокусное расстояние линзы.", clGreen,
     &TForm1::SpeedButton7Click},
    {176, &TForm1::SpeedButton1, "SpeedButton1", "Построение изображения в линзе", clGreen,
     &TForm1::SpeedButton1Click},
    {200, &TForm1::SpeedButton15, "SpeedButton15", "Преломление по принципу Гюйгенса", clGreen,
     &TForm1::SpeedButton15Click},
    {224, &TForm1::SpeedButton2, "SpeedButton2", "Дисперсия луча света в призме", clGreen,
     &TForm1::SpeedButton2Click},
    {248, &TForm1::SpeedButton11, "SpeedButton11", "Интерференция от точечных источников", clGreen,
     &TForm1::SpeedButton11Click},
    {272, &TForm1::SpeedButton12, "SpeedButton12", "Кольца Ньютона", clGreen,
     &TForm1::SpeedButton12Click},
    {296, &TForm1::SpeedButton13, "SpeedButton13", "Дифракция. Основные черты и закономерности.",
     clGreen, &TForm1::SpeedButton13Click},
    {320, &TForm1::SpeedButton9, "SpeedButton9", "Дифракция Фраунгофера", clGreen,
     &TForm1::SpeedButton9Click},
    {344, &TForm1::SpeedButton8, "SpeedButton8", "Дифракция Френеля", clGreen,
     &TForm1::SpeedButton8Click},
    {368, &TForm1::SpeedButton6, "SpeedButton6", "Спектрометр на дифракционной решетке", clGreen,
     &TForm1::SpeedButton6Click},
    {392, &TForm1::SpeedButton10, "SpeedButton10", "Поляризация волны", clGreen,
     &TForm1::SpeedButton10Click},
    {416, &TForm1::SpeedButton17, "SpeedButton17", "Закон Малюса", clGreen,
     &TForm1::SpeedButton17Click},
    {440, &TForm1::SpeedButton14, "SpeedButton14", "Поляризация света при отражении и преломлении",
     clGreen, &TForm1::SpeedButton14Click},
    {464, &TForm1::SpeedButton18, "SpeedButton18", "Дифракция микрочастиц", clGreen,
     &TForm1::SpeedButton18Click},
    {488, &TForm1::SpeedButton19, "SpeedButton19", "Рентгеновские спектры", clGreen,
     &TForm1::SpeedButton19Click},
    {520, &TForm1::SpeedButton16, "SpeedButton16", "Справка по программе", clMaroon,
     &TForm1::SpeedButton16Click},
    {544, &TForm1::SpeedButton3, "SpeedButton3", "Выход из программы", clRed,
     &TForm1::SpeedButton3Click},
};

} // namespace

void TForm1::buildButtons() {
    for (const ButtonRow &r : kButtons) {
        auto *b = new TSpeedButton(this, QString::fromUtf8(r.caption), r.colour);
        b->setObjectName(QString::fromLatin1(r.name));
        b->setGeometry(16, r.top, 297, 22);
        this->*r.button = b;
        connect(b, &QToolButton::clicked, this, r.click);
    }
}

void TForm1::SpeedButton1Click() {
    Form3->Show();
}
void TForm1::SpeedButton2Click() {
    Form4->Show();
}
void TForm1::SpeedButton4Click() {
    Form2->Show();
}
void TForm1::SpeedButton5Click() {
    Form5->Show();
}
void TForm1::SpeedButton6Click() {
    Form8->Show();
}
void TForm1::SpeedButton7Click() {
    Form6->Show();
}
void TForm1::SpeedButton8Click() {
    Form10->Show();
}
void TForm1::SpeedButton9Click() {
    Form9->Show();
}
void TForm1::SpeedButton10Click() {
    Form11->Show();
}
void TForm1::SpeedButton11Click() {
    Form12->Show();
}
void TForm1::SpeedButton12Click() {
    Form7->Show();
}
void TForm1::SpeedButton13Click() {
    Form13->Show();
}
void TForm1::SpeedButton14Click() {
    Form14->Show();
}
void TForm1::SpeedButton15Click() {
    Form15->Show();
}
void TForm1::SpeedButton17Click() {
    Form16->Show();
}
void TForm1::SpeedButton18Click() {
    Form51->Show();
}
void TForm1::SpeedButton19Click() {
    form_Main->Show();
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
