#include "waves/diffraction/Unit13.h"

#include "canvas/Colours.h"
#include "widgets/Accessible.h"
#include "widgets/Align.h"
#include "widgets/Controls.h"
#include "widgets/Localised.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

TForm13 *Form13 = nullptr;

namespace {

constexpr int kPageWidth = 505, kPageHeight = 2455, kTextPixels = 16;

QLabel *block(QWidget *page, const char *name, const QString &text, QRect box, bool wrap = false) {
    QLabel *l = addLabel(page, name, text, box);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setWordWrap(wrap);
    l->setTextFormat(Qt::PlainText);
    l->setFont(pixelFont(kTextPixels, true));
    return l;
}

// A coloured block of text: fixed size, its own background.
void colour(QLabel *l, const QColor &text, const QColor &back) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Window, back);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}

QLabel *picture(QWidget *page, const char *name, QRect box) {
    auto *l = addControl(new QLabel(page), name, box);
    l->setScaledContents(true);
    return l;
}

} // namespace

TForm13::TForm13(QWidget *parent)
    : TDemoForm(fixedWidth(frame(tr("Дифракция. Основные черты и закономерности."), 540, 741)),
                parent) {
    ScrollBox1 = addControl(new QScrollArea(this), "ScrollBox1");
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    ScrollBox1->verticalScrollBar()->setObjectName(QStringLiteral("VertScrollBar"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    Panel1 = addControl(new QWidget, "Panel1");
    Panel1->resize(kPageWidth, kPageHeight);
    createTexts();
    createPictures();
    // Laying out the texts loads the bold face: done when first shown.
    onFirstShow([this] { fitTexts(); });
    ScrollBox1->setWidget(Panel1);
    setAlign(ScrollBox1, Align::Client);
    // Wheel events over the page, its blocks and the bar all come here,
    // whichever of them receives the event first.
    ScrollBox1->installEventFilter(this);
    for (QWidget *w : ScrollBox1->findChildren<QWidget *>())
        w->installEventFilter(this);
    describePicture(
        Image1, tr("Иллюстрация к тексту о дифракции; страница прокручивается колёсиком мыши."));
}

void TForm13::createTexts() {
    QWidget *p = Panel1;
    Label1 = block(p, "Label1",
                   tr("Наблюдение дифракции при помощи \n"
                      "неонового лазера и треугольного отверстия"),
                   QRect(64, 8, 383, 40));
    Label2 = block(p, "Label2",
                   tr("Экспериментально полученные картины дифракции на щели "
                      "излучения гелий-неонового (на длине волны 633 нм - красный "
                      "цвет) и аргонового (на длине волны 488 нм - синий цвет) "
                      "лазеров."),
                   QRect(8, 520, 490, 80), true);
    Label5 = block(p, "Label5",
                   tr("Дифракционные картины для отверстий разной \n"
                      "формы отличаются, но во всех них, в зависимости от \n"
                      "расстояния, можно отметить следующие особенности:"),
                   QRect(24, 952, 470, 60));
    Label6 = block(p, "Label6",
                   tr("Вблизи препятствия световой пучок сохраняет \n"
                      "структуру, заданную формой объекта, т.е. \n"
                      "дифракционная картина подобна изображению \n"
                      "объекта. Эту область называют геометрооптической \n"
                      "областью или прожекторной."),
                   QRect(24, 1024, 478, 100));
    colour(Label6, colours::clWhite, colours::clNavy);
    Label7 = block(p, "Label7",
                   tr("Затем границы изображения начинают \n"
                      "расплываться, проступают полосы, размер \n"
                      "которых увеличивается с ростом расстояния. \n"
                      "Вскоре полосы заполняют всю картину, \n"
                      "пересекаются, образуя темные и светлые \n"
                      "пятна, которые переходят друг в друга, меняются \n"
                      "местами, порой (в зависимости от формы объекта) \n"
                      "весьма причудливым образом. Изображение на \n"
                      "экране становится совершенно непохожим на \n"
                      "геометрическое  изображение исходного объекта. \n"
                      "Эту область называют областью дифракции Френеля."),
                   QRect(24, 1128, 478, 225));
    colour(Label7, colours::clWhite, colours::clTeal);
    Label8 = block(p, "Label8",
                   tr("С дальнейшим ростом расстояния пространственная \n"
                      "структура дифракционной картины становится \n"
                      "устойчивой. Изменяется только масштаб. Это область \n"
                      "дифракции Фраунгофера."),
                   QRect(24, 1360, 478, 80));
    colour(Label8, colours::clBlack, colours::clFuchsia);
    Label3 = block(p, "Label3",
                   tr("Расстояние от источника излучения до отверстия \n"
                      "определяет  форму волнового фронта в плоскости \n"
                      "препятствия. Если точечный источник находится \n"
                      "очень далеко от отверстия (на бесконечности), то \n"
                      "волновой фронт плоский. Для конечных расстояний \n"
                      "волновой фронт сферический, причем, чем ближе \n"
                      "источник, тем меньше радиус сферы, тем больше \n"
                      "кривизна волнового фронта. Поскольку вторичные \n"
                      "источники располагаются на волновом фронте, то \n"
                      "ясно, что дифракционные картины будут отличаться \n"
                      "для разных расстояний между источником света и \n"
                      "отверстием."),
                   QRect(24, 1448, 463, 240));
}

void TForm13::createPictures() {
    QWidget *p = Panel1;
    Image1 = picture(p, "Image1", {8, 64, 489, 452});
    Image2 = picture(p, "Image2", {24, 632, 465, 305});
    Image4 = picture(p, "Image4", {16, 1696, 490, 144});
    Image3 = picture(p, "Image3", {8, 1856, 500, 589});
    // The pictures carry words: each language has its own copy. Decoded
    // (2.8 MiB) on the first show.
    const QStringList files{
        QStringLiteral(":/diffraction/bench.png"), QStringLiteral(":/diffraction/slits.png"),
        QStringLiteral(":/diffraction/zones.png"), QStringLiteral(":/diffraction/setups.png")};
    onFirstShow([this, files] {
        QLabel *const pictures[] = {Image1, Image2, Image4, Image3};
        for (int i = 0; i < 4; ++i)
            pictures[i]->setPixmap(QPixmap(localisedResource(files[i])));
    });
}

// Bold 16 px lines of the fonts at hand stand further apart than the boxes
// were drawn for: each text grows to its laid-out height and moves what lies
// below it down by as much, gaps kept, so no line is cut or covered.
void TForm13::fitTexts() {
    int shift = 0;
    for (QLabel *l :
         {Label1, Image1, Label2, Image2, Label5, Label6, Label7, Label8, Label3, Image4, Image3}) {
        QRect box = l->geometry().translated(0, shift);
        if (!l->text().isEmpty()) {
            const int grow = std::max(0, l->heightForWidth(box.width()) - box.height());
            box.setHeight(box.height() + grow);
            shift += grow;
        }
        l->setGeometry(box);
    }
    Panel1->resize(kPageWidth, kPageHeight + shift);
}

void TForm13::FormMouseWheel(int distance) {
    ScrollBox1->verticalScrollBar()->triggerAction(
        distance > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
}

// One step per event, whatever its distance. Events that only open or
// close a touch-pad gesture, and sideways tilts, carry no vertical turn.
void TForm13::wheel(QWheelEvent *event) {
    event->accept();
    const QPoint angle = event->angleDelta(), pixels = event->pixelDelta();
    const bool gestureMark =
        (event->phase() == Qt::ScrollBegin || event->phase() == Qt::ScrollEnd) && angle.isNull() &&
        pixels.isNull();
    const bool sideways = angle.y() == 0 && angle.x() != 0;
    if (gestureMark || sideways) return;
    FormMouseWheel(angle.y() != 0 ? angle.y() : pixels.y());
}

bool TForm13::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Wheel) {
        wheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize) {
        // A line is a tenth of a page, a page nine tenths of the view.
        const int view = ScrollBox1->viewport()->height();
        ScrollBox1->verticalScrollBar()->setSingleStep(std::max(1, view * 9 / 100));
        ScrollBox1->verticalScrollBar()->setPageStep(std::max(1, view * 9 / 10));
    }
    return TDemoForm::eventFilter(watched, event);
}
