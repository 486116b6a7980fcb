#include "waves/fresnel/Unit10.h"

#include "canvas/NumberText.h"
#include "waves/fresnel/FresnelPicture.h"
#include "waves/fresnel/FresnelScene.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/BackgroundComputation.h"
#include "widgets/Controls.h"
#include "widgets/Csafespinedit.h"
#include "widgets/Messages.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

TForm10 *Form10 = nullptr;

namespace {

// The bar counts the run in tenths of a percent.
constexpr int kProgressSteps = 1000;

// A caption above its box and the unit "м" to the box's right.
QLineEdit *input(QWidget *p, const char *name, const QString &text, int y, QLabel *&caption,
                 const char *captionName, const QString &captionText, QLabel *&unit,
                 const char *unitName) {
    caption = addLabel(p, captionName, captionText, QPoint(8, y));
    unit = addLabel(p, unitName, TForm10::tr("м"), QPoint(164, y + 18));
    return addEdit(p, name, text, QRect(8, y + 15, 150, 21));
}

TImage *picture(QWidget *page, const char *name) {
    auto *image = new TImage(page);
    image->setObjectName(QLatin1String(name));
    image->Stretch = true;
    setAlign(image, Align::Client);
    return image;
}

int steps(TCSpinEdit *s) {
    return std::min(s->Value(), kFresnelMaxSteps);
}

} // namespace

TForm10::TForm10(QWidget *parent) : TDemoForm(frame(tr("Дифракция Френеля"), 625, 455), parent) {
    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->resize(207, height());
    setAlign(Panel2, Align::Right);
    buildPages();
    buildControls();
    RingsReadout = std::make_shared<TFresnelPicture>(this, TFresnelPicture::Page::Rings);
    GraphReadout = std::make_shared<TFresnelPicture>(this, TFresnelPicture::Page::Graph);
    attachOverlay(Image1)->setProvider(RingsReadout.get());
    attachOverlay(Image2)->setProvider(GraphReadout.get());
    Computation = new TBackgroundComputation(this);
    // At the largest subdivisions a whole percent is about a second of a
    // loaded machine: the bar would stand still that long.
    Computation->setProgressSteps(kProgressSteps);
    showRunOn(Computation, ProgressBar1, {Panel2});
    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
    describePicture(
        Image1,
        tr("Дифракционная картина Френеля от круглого отверстия; строится кнопкой «Построить»."));
}

void TForm10::buildPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setAlign(PageControl1, Align::Client);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, tr("Картинка"));
    PageControl1->addTab(TabSheet2, tr("График"));
    Image1 = picture(TabSheet1, "Image1");
    Image2 = picture(TabSheet2, "Image2");
    // White until the first result; made on the first show.
    onFirstShow([this] {
        for (TImage *image : {Image1, Image2})
            image->makeBlank(QSize(400, 400), Qt::white);
    });
    for (TImage *image : {Image1, Image2})
        attachOverlay(image)->setHint(tr("Нажмите «Построить»"));
}

void TForm10::buildControls() {
    QWidget *p = Panel2;
    Label1 = addLabel(p, "Label1", tr("Длина волны"), QPoint(8, 11));
    CSpinEdit1 = addSpinEdit(p, "CSpinEdit1", QRect(100, 8, 60, 21), 0, 0, 405);
    CSpinEdit1->Increment = 10;
    Label5 = addLabel(p, "Label5", tr("нм"), QPoint(164, 11));
    Edit1 = input(p, "Edit1", QStringLiteral("0.01"), 32, Label12, "Label12",
                  tr("Источник-отверстие:"), Label13, "Label13");
    Edit2 = input(p, "Edit2", QStringLiteral("0.01"), 70, Label2, "Label2", tr("Отверстие-экран"),
                  Label6, "Label6");
    Edit6 = input(p, "Edit6", QStringLiteral("0.00000"), 108, Label15, "Label15",
                  tr("Внутр. рад. отверстия:"), Label16, "Label16");
    Edit3 = input(p, "Edit3", QStringLiteral("0.00011"), 146, Label3, "Label3",
                  tr("Внешн. рад. отверстия:"), Label7, "Label7");
    Edit4 = input(p, "Edit4", QStringLiteral("0.0003"), 184, Label4, "Label4", tr("Радиус экрана"),
                  Label8, "Label8");
    Label10 = addLabel(p, "Label10", tr("Радиальное разбиение"), QPoint(8, 229));
    CSpinEdit2 = addSpinEdit(p, "CSpinEdit2", QRect(146, 226, 54, 21), 10, 10000, 100);
    Label11 = addLabel(p, "Label11", tr("Тангенциальное:"), QPoint(8, 255));
    CSpinEdit3 = addSpinEdit(p, "CSpinEdit3", QRect(146, 252, 54, 21), 10, 10000, 100);
    Label14 = addLabel(p, "Label14", QStringLiteral("For exp(K*beta): K="), QPoint(8, 281));
    Edit5 = addEdit(p, "Edit5", QStringLiteral("100"), QRect(146, 278, 54, 21));
    CheckBox1 = addCheckBox(p, "CheckBox1", tr("Включить цвета"), QPoint(8, 306), true);
    CheckBox2 = addCheckBox(p, "CheckBox2", tr("Контур объекта"), QPoint(8, 326));
    Label9 = addLabel(p, "Label9", QString(), QPoint(8, 346));
    Button1 = addButton(p, "Button1", tr("Построить"), QRect(8, 352, 190, 27));
    ProgressBar1 = addControl(new QProgressBar(p), "ProgressBar1", QRect(0, 0, 200, 16));
    ProgressBar1->setRange(0, kProgressSteps);
    ProgressBar1->setTextVisible(false);
    setAlign(ProgressBar1, Align::Bottom);
    ProgressBar1->hide();
}

bool TForm10::isBusy() const {
    return Computation->isRunning();
}

FresnelInputs TForm10::readInputs() {
    // Extended precision as typed: a length rounded to a double first moves
    // the polar angles enough to change where their running sum ends.
    FresnelInputs in;
    in.wavelengthNm = CSpinEdit1->Value();
    in.z1 = readNumberExtended(Edit1->text());
    in.z2 = readNumberExtended(Edit2->text());
    in.innerRadius = readNumberExtended(Edit6->text());
    in.outerRadius = readNumberExtended(Edit3->text());
    in.screenRadius = readNumberExtended(Edit4->text());
    in.radialSteps = steps(CSpinEdit2);
    in.azimuthSteps = steps(CSpinEdit3);
    in.K = readNumberExtended(Edit5->text());
    return in;
}

void TForm10::Button1Click() {
    if (isBusy()) return;
    // Read here, on the UI thread; the panel stays disabled until the pictures are drawn.
    const FresnelInputs in = readInputs();
    const FresnelProblem problem = checkFresnel(in);
    if (problem != FresnelProblem::None) {
        showProblem(problem);
        return;
    }
    // A result that arrives while the window is hidden is drawn all the
    // same and shown when the window comes back.
    Computation->start<FresnelProfile>(
        [in](RunControl &control) { return computeFresnel(in, control); },
        [this](FresnelProfile &profile) {
            Result = profile;
            DrawResult();
        });
}

void TForm10::DrawResult() {
    FresnelView view;
    view.colour = CheckBox1->isChecked();
    view.wavelengthNm = CSpinEdit1->Value();
    view.screenRadius = readNumber(Edit4->text());
    view.outline = CheckBox2->isChecked();
    // The outline follows the boxes as they read now.
    view.outlineRadius = fresnelOutlineRadius(readNumber(Edit3->text()), view.screenRadius);
    drawFresnelGraph(Image2->Bitmap, Result, view);
    drawFresnelRings(Image1->Bitmap, Result, view);
    Image1->update();
    Image2->update();
    for (TImage *image : {Image1, Image2})
        TOverlay::of(image)->setHint({});
}

void TForm10::showProblem(FresnelProblem problem) {
    QString text;
    switch (problem) {
    case FresnelProblem::Wavelength:
        text = tr("Длина волны должна быть больше нуля.");
        break;
    case FresnelProblem::SourceDistance:
        text = tr("Расстояние от источника до отверстия должно быть больше нуля.");
        break;
    case FresnelProblem::ScreenDistance:
        text = tr("Расстояние от источника до экрана должно быть больше нуля.");
        break;
    case FresnelProblem::ScreenRadius:
        text = tr("Радиус экрана должен быть больше нуля.");
        break;
    default:
        text = tr("Разбиение должно быть не меньше 1.");
        break;
    }
    MessageBox1 = showMessage(this, QMessageBox::Warning, windowTitle(), text, Qt::WindowModal);
}
