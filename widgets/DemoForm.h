#pragma once
// The frame every demonstration window shares: created hidden once, shown
// non-modally, faded out and hidden on close, never destroyed during the run.
#include "canvas/Fonts.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QPropertyAnimation;
class QShortcut;

enum class Placement { DesktopCentre, Fixed, TopLeft };

struct FrameInfo {
    QString caption;
    int outerWidth = 0;
    int outerHeight = 0;
    Placement placement = Placement::DesktopCentre;
    QPoint position;         // for Placement::Fixed
    bool fixedWidth = false; // width fixed, height free
    int fontPixels = 11;
};

// A window's frame from the layout: caption, outer size, placement.
inline FrameInfo frame(const QString &caption, int outerWidth, int outerHeight,
                       Placement placement = Placement::DesktopCentre, QPoint position = {}) {
    FrameInfo info;
    info.caption = caption;
    info.outerWidth = outerWidth;
    info.outerHeight = outerHeight;
    info.placement = placement;
    info.position = position;
    return info;
}

// The same frame with its width fixed and its height free.
inline FrameInfo fixedWidth(FrameInfo info) {
    info.fixedWidth = true;
    return info;
}

// Windows adds 8 px of border and 27 px of title around the client area.
constexpr int kFrameExtraWidth = 8;
constexpr int kFrameExtraHeight = 27;

class TDemoForm : public QWidget {
    Q_OBJECT
  public:
    explicit TDemoForm(const FrameInfo &info, QWidget *parent = nullptr);

    // Non-modal show; a visible window only comes to the front.
    void Show();
    // Hide at once, no fade and no close handler (Esc in some windows).
    void HideNow();
    bool isFading() const { return fading; }

    // Hooks for the windows. FormShow runs each time the window becomes
    // visible; FormClose stops what runs before the fade; FormCloseAfter
    // runs once the window is hidden.
    virtual void FormShow() {}
    virtual void FormClose() {}
    virtual void FormCloseAfter() {}
    // A character key reaching the window (see setKeyPreview).
    virtual void FormKeyPress(QChar key) { (void)key; }

    // F11: full screen and back. A window whose layout does not follow its
    // size keeps its design size, centred (see setCentredContent). Esc in
    // full screen only leaves it; the next Esc does what it always does.
    void toggleFullScreen();
    // The one child that keeps its design size: centred while full screen.
    void setCentredContent(QWidget *content);

    // Work a hidden window need not do yet (decoding or drawing a picture):
    // runs once, in order, just before the window is first shown, or at
    // once if it has been. Nothing can be seen of a window before that, so
    // nothing it shows changes.
    void onFirstShow(std::function<void()> build);
    // Runs now what onFirstShow put off (tools that look into a window that
    // has never been shown).
    void buildDeferred();

    // With key preview the window sees keys before its controls; without it
    // FormKeyPress runs only while no control has the keyboard focus.
    void setKeyPreview(bool on);

    static constexpr int kFadeMs = 500;

  signals:
    void faded();

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Windows without a close fade (the X-ray window) turn this off.
    bool fadeOnClose = true;

  private:
    void finishFade();
    void placeCentredContent();
    QShortcut *leaveFullScreen;
    QPointer<QWidget> centred;
    QRect centredDesign; // its place outside full screen
    QSize designMinimum, designMaximum;
    QRect windowed; // the window's place outside full screen
    QPointer<QPropertyAnimation> fade;
    std::vector<std::function<void()>> deferred;
    bool shownOnce = false;
    bool fading = false;
    bool keyPreview = false;
};

// Fades a window out over `ms` milliseconds and then calls `done`; the
// animation deletes itself when it stops (stopping it early skips `done`).
QPropertyAnimation *fadeOut(QWidget *w, int ms, std::function<void()> done);

// Moves a top-level window to the centre of the primary screen.
void centreOnDesktop(QWidget *w);
