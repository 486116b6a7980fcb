#include "widgets/DemoForm.h"

#include "widgets/Accessible.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QShortcut>

QPropertyAnimation *fadeOut(QWidget *w, int ms, std::function<void()> done) {
    auto *fade = new QPropertyAnimation(w, "windowOpacity", w);
    fade->setDuration(ms);
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    QObject::connect(fade, &QPropertyAnimation::finished, w, std::move(done));
    fade->start(QAbstractAnimation::DeleteWhenStopped);
    return fade;
}

void centreOnDesktop(QWidget *w) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize outer = w->frameGeometry().size();
    w->move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

TDemoForm::TDemoForm(const FrameInfo &info, QWidget *parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(info.caption);
    setFont(pixelFont(info.fontPixels));
    setAttribute(Qt::WA_QuitOnClose, false);
    const QSize client(info.outerWidth - kFrameExtraWidth, info.outerHeight - kFrameExtraHeight);
    resize(client);
    if (info.fixedWidth) {
        setMinimumWidth(client.width());
        setMaximumWidth(client.width());
    }
    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, &TDemoForm::toggleFullScreen);
    leaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leaveFullScreen->setEnabled(false);
    connect(leaveFullScreen, &QShortcut::activated, this, &TDemoForm::toggleFullScreen);
    switch (info.placement) {
    case Placement::DesktopCentre:
        centreOnDesktop(this);
        break;
    case Placement::Fixed:
        move(info.position);
        break;
    case Placement::TopLeft:
        move(0, 0);
        break;
    }
}

void TDemoForm::Show() {
    if (fading && fade) {
        // Pressed during the close fade: keep the window, and start again
        // what the close stopped, as a fresh showing would.
        fade->stop();
        fading = false;
        setWindowOpacity(1.0);
        FormShow();
    }
    show();
    raise();
    activateWindow();
}

void TDemoForm::HideNow() {
    hide();
}

void TDemoForm::toggleFullScreen() {
    if (isFullScreen()) {
        leaveFullScreen->setEnabled(false);
        showNormal();
        setMinimumSize(designMinimum);
        setMaximumSize(designMaximum);
        setGeometry(windowed);
        if (centred) centred->setGeometry(centredDesign);
        return;
    }
    // A fixed width (the reading page) would keep the window from the screen.
    windowed = geometry();
    designMinimum = minimumSize();
    designMaximum = maximumSize();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (centred) centredDesign = centred->geometry();
    leaveFullScreen->setEnabled(true);
    showFullScreen();
    placeCentredContent();
}

void TDemoForm::setCentredContent(QWidget *content) {
    centred = content;
}

void TDemoForm::placeCentredContent() {
    if (!centred || !isFullScreen()) return;
    const QWidget *room = centred->parentWidget();
    const QSize size = centredDesign.size();
    centred->setGeometry(QRect(
        QPoint((room->width() - size.width()) / 2, (room->height() - size.height()) / 2), size));
}

void TDemoForm::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    placeCentredContent();
}

void TDemoForm::onFirstShow(std::function<void()> build) {
    if (shownOnce)
        build();
    else
        deferred.push_back(std::move(build));
}

void TDemoForm::buildDeferred() {
    shownOnce = true;
    // A build may defer more; those run too, after it.
    for (std::size_t i = 0; i < deferred.size(); ++i) {
        auto build = std::move(deferred[i]);
        build();
    }
    deferred.clear();
}

void TDemoForm::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    buildDeferred();
    FormShow();
    // Views made on show (the 3D bench) get their names too.
    nameControls(this);
}

void TDemoForm::closeEvent(QCloseEvent *event) {
    // The window is only hidden: state and picture stay for the next show.
    event->ignore();
    if (fading) return;
    FormClose();
    if (!fadeOnClose) {
        hide();
        FormCloseAfter();
        return;
    }
    fading = true;
    fade = fadeOut(this, kFadeMs, [this] { finishFade(); });
}

void TDemoForm::finishFade() {
    if (!fading) return;
    fading = false;
    hide();
    setWindowOpacity(1.0);
    FormCloseAfter();
    emit faded();
}

void TDemoForm::setKeyPreview(bool on) {
    // Watched at the application, so that controls made later (the tab bar
    // of a page control, a spin edit's inner box) are seen as well.
    keyPreview = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool TDemoForm::eventFilter(QObject *watched, QEvent *event) {
    if (keyPreview && event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (text.size() == 1 && (text[0] == QChar(27) || text[0] == QChar(13))) {
            FormKeyPress(text[0]);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDemoForm::keyPressEvent(QKeyEvent *event) {
    const QString text = event->text();
    QWidget *focus = QApplication::focusWidget();
    const bool controlHasFocus = focus && focus != this && isAncestorOf(focus);
    if (text.size() == 1 && (keyPreview || !controlHasFocus)) {
        FormKeyPress(text[0]);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
