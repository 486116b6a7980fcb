#include "waves/fraunhofer/Unit9.h"

#include "canvas/NumberText.h"
#include "waves/fraunhofer/FraunhoferPicture.h"
#include "waves/fraunhofer/FraunhoferScene.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/BackgroundComputation.h"
#include "widgets/Controls.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Messages.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <limits>

TForm9 *Form9 = nullptr;

namespace {

// A caption above its box and the unit to the box's right.
QLineEdit *input(QWidget *p, const char *name, const QString &text, int y, QLabel *&caption,
                 const char *captionName, const QString &captionText, QLabel *&unit,
                 const char *unitName) {
    caption = addLabel(p, captionName, captionText, QPoint(8, y));
    unit = addLabel(p, unitName, TForm9::tr("м"), QPoint(164, y + 18));
    return addEdit(p, name, text, QRect(8, y + 15, 150, 21));
}

// A number beyond a float's range becomes infinite (and is refused or
// gives a black picture) rather than an undefined conversion.
float readFloat(const QLineEdit *e) {
    const double v = readNumber(e->text());
    constexpr double top = std::numeric_limits<float>::max();
    if (v > top) return std::numeric_limits<float>::infinity();
    if (v < -top) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

} // namespace

TForm9::TForm9(QWidget *parent) : TDemoForm(frame(tr("Дифракция Фраунгофера"), 621, 429), parent) {
    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->resize(207, height());
    setAlign(Panel2, Align::Right);
    Panel1 = new TPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    setAlign(Panel1, Align::Client);
    Image1 = new TImage(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->Stretch = true;
    // White until the first picture; made on the first show.
    onFirstShow([this] { Image1->makeBlank(QSize(kFraunhoferSide, kFraunhoferSide), Qt::white); });
    setAlign(Image1, Align::Client);
    attachOverlay(Image1)->setHint(tr("Нажмите «Построить»"));
    buildControls();
    Readout = std::make_shared<TFraunhoferPicture>(this);
    attachOverlay(Image1)->setProvider(Readout.get());
    Computation = new TBackgroundComputation(this);
    showRunOn(Computation, ProgressBar1, {Panel2});
    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
    describePicture(Image1, tr("Дифракционная картина Фраунгофера от прямоугольного "
                               "отверстия; строится кнопкой «Построить»."));
}

void TForm9::buildControls() {
    QWidget *p = Panel2;
    Label1 = addLabel(p, "Label1", tr("Длина волны"), QPoint(8, 11));
    CSpinEdit1 = addSpinEdit(p, "CSpinEdit1", QRect(100, 8, 60, 21), 0, 0, 600);
    CSpinEdit1->Increment = 10;
    Label5 = addLabel(p, "Label5", tr("нм"), QPoint(164, 11));
    Edit2 = input(p, "Edit2", QStringLiteral("2000"), 38, Label2, "Label2",
                  tr("Расстояние до экрана"), Label6, "Label6");
    Edit3 = input(p, "Edit3", QStringLiteral("0.1"), 80, Label3, "Label3", tr("Ширина отверстия"),
                  Label7, "Label7");
    Edit4 = input(p, "Edit4", QStringLiteral("0.1"), 122, Label4, "Label4", tr("Высота отверстия"),
                  Label8, "Label8");
    Edit5 = input(p, "Edit5", QStringLiteral("0.5"), 164, Label9, "Label9", tr("Сторона экрана:"),
                  Label10, "Label10");
    ComboBox1 = addControl(new QComboBox(p), "ComboBox1", QRect(8, 210, 190, 21));
    ComboBox1->addItems({tr("Пятно от отверстия"), tr("Тень от пластины")});
    ComboBox1->setCurrentIndex(0);
    CheckBox1 = addCheckBox(p, "CheckBox1", tr("Включить цвета"), QPoint(8, 240), true);
    CheckBox2 = addCheckBox(p, "CheckBox2", tr("Контур объекта"), QPoint(8, 262));
    Button1 = addButton(p, "Button1", tr("Построить"), QRect(8, 292, 190, 27));
    ProgressBar1 = addControl(new QProgressBar(p), "ProgressBar1", QRect(0, 0, 200, 16));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    setAlign(ProgressBar1, Align::Bottom);
    ProgressBar1->hide();
}

bool TForm9::isBusy() const {
    return Computation->isRunning();
}

FraunhoferInputs TForm9::readInputs() {
    FraunhoferInputs in;
    in.wavelengthNm = CSpinEdit1->Value();
    in.distance = readFloat(Edit2);
    in.width = readFloat(Edit3);
    in.height = readFloat(Edit4);
    in.screen = readFloat(Edit5);
    return in;
}

void TForm9::Button1Click() {
    if (isBusy()) return;
    // Read here, on the UI thread; the panel stays disabled until the picture is drawn.
    const FraunhoferInputs in = readInputs();
    const FraunhoferProblem problem = checkFraunhofer(in);
    if (problem != FraunhoferProblem::None) {
        showProblem(problem);
        return;
    }
    // A result that arrives while the window is hidden is drawn all the
    // same and shown when the window comes back.
    Computation->start<FraunhoferPicture>(
        [in](RunControl &control) { return computeFraunhofer(in, control); },
        [this](FraunhoferPicture &picture) {
            Result = std::move(picture);
            DrawResult();
        });
}

void TForm9::DrawResult() {
    FraunhoferView view;
    view.shadow = ComboBox1->currentIndex() != 0;
    view.colour = CheckBox1->isChecked();
    view.wavelengthNm = CSpinEdit1->Value();
    view.outline = CheckBox2->isChecked();
    // The outline follows the boxes as they read now.
    const double screen = readNumber(Edit5->text());
    view.halfWidth = fraunhoferOutlineSpan(readNumber(Edit3->text()), screen);
    view.halfHeight = fraunhoferOutlineSpan(readNumber(Edit4->text()), screen);
    drawFraunhoferScene(Image1->Bitmap, Result, view);
    TOverlay::of(Image1)->setHint({});
    Image1->update();
}

void TForm9::showProblem(FraunhoferProblem problem) {
    QString text;
    switch (problem) {
    case FraunhoferProblem::Wavelength:
        text = tr("Длина волны должна быть больше нуля.");
        break;
    case FraunhoferProblem::Distance:
        text = tr("Расстояние до экрана должно быть больше нуля.");
        break;
    default:
        text = tr("Сторона экрана должна быть больше нуля.");
        break;
    }
    MessageBox1 = showMessage(this, QMessageBox::Warning, windowTitle(), text, Qt::WindowModal);
}
