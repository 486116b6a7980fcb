#include "widgets/Csafespinedit.h"

#include "core/Numbers.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <climits>
#include <optional>

namespace {

constexpr int kDefaultWidth = 121;
constexpr int kDefaultHeight = 21;
// The box's sunken frame; the buttons sit inside it.
constexpr int kFrame = 2;

// One of the two small buttons: a flat bevel with an arrow glyph.
class SpinButton : public QToolButton {
  public:
    SpinButton(bool upward, QWidget *parent) : QToolButton(parent), up(upward) {
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        opt.features = QStyleOptionToolButton::None;
        opt.text.clear();
        opt.icon = QIcon();
        opt.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonTool, &opt, &p, this);
        // A 5-px wide triangle in the middle, nudged by one pixel when down.
        const int shift = isDown() ? 1 : 0;
        const int cx = width() / 2 + shift;
        const int cy = height() / 2 + shift;
        p.setPen(Qt::NoPen);
        p.setBrush(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
        QPolygon tri;
        if (up)
            tri << QPoint(cx - 3, cy + 2) << QPoint(cx + 3, cy + 2) << QPoint(cx, cy - 1);
        else
            tri << QPoint(cx - 3, cy - 1) << QPoint(cx + 3, cy - 1) << QPoint(cx, cy + 2);
        p.drawPolygon(tri);
    }

  private:
    bool up;
};

} // namespace

// The inner box: hands key and focus events to its spin edit first.
class SpinLineEdit : public QLineEdit {
  public:
    explicit SpinLineEdit(TCSpinEdit *owner) : QLineEdit(owner), spin(owner) {}
    // The spin edit is going away: its destruction moves the focus out of
    // this box, and that must not reach the half-destroyed owner.
    void detach() { spin = nullptr; }

  protected:
    bool event(QEvent *e) override {
        // Tab is taken here: QWidget moves the focus before keyPressEvent.
        if (spin && e->type() == QEvent::KeyPress &&
            spin->handleKeyPress(static_cast<QKeyEvent *>(e)))
            return true;
        return QLineEdit::event(e);
    }
    void focusInEvent(QFocusEvent *e) override {
        QLineEdit::focusInEvent(e);
        if (spin && withinWindow(e->reason())) spin->focusEntered(e->reason());
    }
    void focusOutEvent(QFocusEvent *e) override {
        QLineEdit::focusOutEvent(e);
        if (spin && withinWindow(e->reason())) spin->focusLeft();
    }
    void contextMenuEvent(QContextMenuEvent *e) override {
        if (spin && spin->EditorEnabled) QLineEdit::contextMenuEvent(e);
    }

  private:
    // Switching windows or opening a menu keeps the focus in the box as far
    // as the window is concerned: no clamp, no selection.
    static bool withinWindow(Qt::FocusReason r) {
        return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
    }
    TCSpinEdit *spin;
};

TCSpinEdit::TCSpinEdit(QWidget *parent) : QWidget(parent) {
    edit = new SpinLineEdit(this);
    edit->setText(QStringLiteral("0"));
    edit->setTextMargins(0, 0, kButtonWidth, 0);
    // Every character comes through the key filter: no composed input, no drops.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setAcceptDrops(false);
    setFocusProxy(edit);
    setFocusPolicy(Qt::StrongFocus);
    upButton = new SpinButton(true, edit);
    downButton = new SpinButton(false, edit);
    repeat = new QTimer(this);
    connect(repeat, &QTimer::timeout, this, &TCSpinEdit::repeatTick);
    for (QToolButton *b : {upButton, downButton}) {
        connect(b, &QToolButton::pressed, this, [this, b] { buttonPressed(b); });
        connect(b, &QToolButton::released, this, &TCSpinEdit::buttonReleased);
    }
    connect(upButton, &QToolButton::clicked, this, &TCSpinEdit::UpClick);
    connect(downButton, &QToolButton::clicked, this, &TCSpinEdit::DownClick);
    connect(edit, &QLineEdit::textChanged, this, &TCSpinEdit::Change);
    resize(kDefaultWidth, kDefaultHeight);
    layoutParts(); // a hidden widget gets its resize event only when shown
}

TCSpinEdit::~TCSpinEdit() {
    static_cast<SpinLineEdit *>(edit)->detach();
}

int TCSpinEdit::Value() {
    // Blanks may lead the number but not follow it, as in the toolkit's conversion.
    const QString text = edit->text();
    if (text.isEmpty() || !text.back().isSpace())
        if (const std::optional<int> v = readInteger(text.toStdString())) return *v;
    edit->setText(QString::number(MinValue));
    return MinValue;
}

int TCSpinEdit::checkValue(long long v) const {
    // Equal bounds mean no bounds; the tests are in this order so that
    // crossed bounds still give an answer.
    if (MinValue != MaxValue) {
        if (v < MinValue) return MinValue;
        if (v > MaxValue) return MaxValue;
    }
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

void TCSpinEdit::setValue(int v) {
    edit->setText(QString::number(checkValue(v)));
}

bool TCSpinEdit::ReadOnly() const {
    return edit->isReadOnly();
}
void TCSpinEdit::setReadOnly(bool on) {
    edit->setReadOnly(on);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false); // the line edit turns it back on
}

QString TCSpinEdit::Text() const {
    return edit->text();
}
void TCSpinEdit::setText(const QString &t) {
    edit->setText(t);
}

void TCSpinEdit::step(int sign) {
    if (ReadOnly()) {
        beep();
        return;
    }
    // In 64 bits, so that a step past the 32-bit range saturates instead of
    // wrapping round to the other end.
    const long long next =
        static_cast<long long>(Value()) + sign * static_cast<long long>(Increment);
    edit->setText(QString::number(checkValue(next)));
}

void TCSpinEdit::UpClick() {
    step(+1);
}
void TCSpinEdit::DownClick() {
    step(-1);
}

void TCSpinEdit::beep() {
    QApplication::beep();
}

bool TCSpinEdit::acceptsChar(QChar c) const {
    if (c == QChar(13)) return false;
    if (c == QChar(8)) return EditorEnabled;
    if (c.unicode() < 32) return true;
    if (!EditorEnabled) return false;
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || u == '+' || u == '-' || u == '.';
}

bool TCSpinEdit::handleKeyPress(QKeyEvent *event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? +1 : -1);
        event->accept();
        return true;
    }
    if (!EditorEnabled &&
        (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)))
        return true;
    const QString text = event->text();
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (!acceptsChar(c)) {
            beep();
            // A refused Enter still reaches the window (default buttons).
            if (c == QChar(13)) event->ignore();
            return true;
        }
    }
    return false;
}

void TCSpinEdit::buttonPressed(QToolButton *button) {
    if (!edit->hasFocus()) edit->setFocus(Qt::MouseFocusReason);
    held = button;
    repeat->start(kFirstRepeatMs);
}

void TCSpinEdit::buttonReleased() {
    repeat->stop();
    held = nullptr;
}

void TCSpinEdit::repeatTick() {
    repeat->setInterval(kRepeatMs);
    // A button hidden or disabled while held never sees its release.
    if (!held || !(QApplication::mouseButtons() & Qt::LeftButton) || !held->isVisible() ||
        !held->isEnabled()) {
        buttonReleased();
        return;
    }
    // Steps only while the pointer is still over the held button.
    if (!held->isDown()) return;
    if (held == upButton)
        UpClick();
    else
        DownClick();
}

void TCSpinEdit::focusEntered(Qt::FocusReason reason) {
    const bool leftPress =
        reason == Qt::MouseFocusReason && (QApplication::mouseButtons() & Qt::LeftButton);
    if (AutoSelect && !leftPress)
        edit->selectAll();
    else if (!AutoSelect && reason != Qt::MouseFocusReason)
        edit->deselect(); // the line edit selects on Tab by itself
}

void TCSpinEdit::focusLeft() {
    const int v = Value();
    if (checkValue(v) != v) setValue(v);
}

void TCSpinEdit::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    layoutParts();
}

void TCSpinEdit::layoutParts() {
    edit->setGeometry(rect());
    const int x = width() - kFrame - kButtonWidth;
    const int upHeight = kButtonsHeight / 2;
    upButton->setGeometry(x, kFrame, kButtonWidth, upHeight);
    downButton->setGeometry(x, kFrame + upHeight, kButtonWidth, kButtonsHeight - upHeight);
}

TCSafeSpinEdit::TCSafeSpinEdit(QWidget *parent) : TCSpinEdit(parent) {}

bool TCSafeSpinEdit::handleKeyPress(QKeyEvent *event) {
    // Enter and Tab go nowhere: no beep, no text, no focus move.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        event->accept();
        return true;
    default:
        return TCSpinEdit::handleKeyPress(event);
    }
}
