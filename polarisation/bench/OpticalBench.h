#pragma once
// The animated fixed-function OpenGL scene shared by the polarisation windows:
// lighting, projection, the camera turned by dragging, the frame timer, the
// axes. A window creates one on show and deletes it on close, so each showing
// gets a fresh context; the scene itself comes from a BenchScene.
#include <QOpenGLWidget>
#include <QTimer>
#include <functional>

class BenchScene;
class TKeyboardDrag;

// Where the windows using the bench differ.
struct BenchConfig {
    double farPlane = 9;
    bool blendToDestAlpha = false; // else one minus source alpha
    bool smoothingAndFog = false;
    double timeStep = 1e-16;
};

class OpticalBench : public QOpenGLWidget {
    Q_OBJECT
  public:
    static constexpr int kFrameMs = 30;
    OpticalBench(const BenchConfig &config, BenchScene *scene, float *rotX, float *rotY,
                 QWidget *parent);
    ~OpticalBench() override;

    // Whether a usable OpenGL context can be had at all on this display.
    static bool openGLAvailable();

    void start(); // arms the frame timer
    // A paused bench still draws (a turn, a resize) but its time stands;
    // stepFrame() draws one frame that moves on.
    void setPaused(bool on);
    bool isPaused() const { return paused; }
    void stepFrame();
    // The camera turn of a mouse drag by d pixels.
    void turnBy(QPoint d);
    // Whether the frame being drawn moves the animation.
    bool frameMoves() const { return moving; }
    double T = 0;
    double distance = 4.5;
    QTimer *Timer1 = nullptr;

    // The size of the window's client area drives the viewport and aspect.
    void setClientSize(QSize size) { client = size; }

    // Called by scenes before each coloured object: the object glows in
    // its own colour whatever the lighting.
    static void SetEmissionColor(float r, float g, float b);
    void pushCamera() const; // push + camera transform
    static void drawAxes();

  signals:
    void frameStarting(); // read the controls now
    void frameDrawn();

  protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

  private:
    void setProjection(double farPlane);
    BenchConfig config;
    BenchScene *scene;
    float *rotX, *rotY;
    QSize client;
    QPoint last;
    bool dragging = false;
    bool built = false;   // the scene's lists exist in our context
    bool frameDue = true; // the next paint is the timer's next frame
    double shownT = 0;    // the moment the last timer frame showed
    bool paused = false;
    bool stepping = false;
    bool moving = false; // the frame being drawn moves the animation
};

// The contents of one window's scene.
class BenchScene {
  public:
    virtual ~BenchScene() = default;
    virtual void buildLists() = 0;                   // in a current context
    virtual void releaseLists() {}                   // the same, before the context goes
    virtual void drawFrame(OpticalBench &bench) = 0; // everything but clear & axes
};

// Without a usable OpenGL context a bench window says so and closes itself;
// true then, and the window draws nothing.
bool closeWithoutOpenGL(QWidget *window);

// The arrows on the bench's panel turn the scene as a mouse drag does.
TKeyboardDrag *turnWithArrows(QWidget *panel, std::function<OpticalBench *()> bench);

// Puts a bench over its panel, its viewport from the window's client size.
void fitBench(OpticalBench *bench, QWidget *panel, QSize client);
