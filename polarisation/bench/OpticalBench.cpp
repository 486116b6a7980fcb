#include "polarisation/bench/OpticalBench.h"

#include "widgets/KeyboardDrag.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <QMessageBox>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QTimer>

OpticalBench::OpticalBench(const BenchConfig &cfg, BenchScene *s, float *rx, float *ry,
                           QWidget *parent)
    : QOpenGLWidget(parent), config(cfg), scene(s), rotX(rx), rotY(ry) {
    setObjectName(QStringLiteral("Bench"));
    // No alpha bits: the destination alpha reads as 1, so the translucent
    // layers add up to a glow, and the picture stays opaque.
    setTextureFormat(GL_RGB8);
    QSurfaceFormat f = format();
    f.setAlphaBufferSize(0);
    f.setDepthBufferSize(24);
    f.setStencilBufferSize(8);
    setFormat(f);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(kFrameMs);
    connect(Timer1, &QTimer::timeout, this, [this] {
        frameDue = true;
        update();
    });
}

// The context goes with the widget; the scene's display lists are given back
// first, as a context sharing with others would keep them.
OpticalBench::~OpticalBench() {
    Timer1->stop();
    if (built && context()) {
        makeCurrent();
        scene->releaseLists();
        doneCurrent();
    }
}

bool OpticalBench::openGLAvailable() {
    QOpenGLContext probe;
    if (!probe.create()) return false;
    QOffscreenSurface surface;
    surface.create();
    if (!surface.isValid()) return false;
    const bool ok = probe.makeCurrent(&surface);
    if (ok) probe.doneCurrent();
    return ok;
}

void OpticalBench::start() {
    if (!paused) Timer1->start();
}

void OpticalBench::setPaused(bool on) {
    paused = on;
    if (paused)
        Timer1->stop();
    else if (isVisible())
        Timer1->start();
}

void OpticalBench::stepFrame() {
    if (!paused) return;
    stepping = true;
    update();
}

void OpticalBench::SetEmissionColor(float r, float g, float b) {
    const GLfloat c[4] = {r, g, b, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, c);
    glColor4f(r, g, b, 1);
}

void OpticalBench::pushCamera() const {
    glPushMatrix();
    glTranslated(0, 0, -distance);
    glRotatef(*rotX, 1, 0, 0);
    glRotatef(*rotY, 0, 1, 0);
}

void OpticalBench::drawAxes() {
    SetEmissionColor(0, 0, 0);
    glColor4f(0.5f, 0.5f, 0.5f, 1);
    glLineWidth(2);
    glBegin(GL_LINES);
    glVertex3f(0, 0, 0);
    glVertex3f(3, 0, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(0, 3, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(0, 0, 3);
    glEnd();
}

void OpticalBench::initializeGL() {
    glClearColor(0, 0, 0, 0);
    glClearDepth(1);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    if (config.smoothingAndFog) glEnable(GL_POLYGON_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, config.blendToDestAlpha ? GL_DST_ALPHA : GL_ONE_MINUS_SRC_ALPHA);
    const GLfloat pos[4] = {-6, 0, 3, 1}, white[4] = {1, 1, 1, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, pos);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 128);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    if (config.smoothingAndFog) {
        glFogi(GL_FOG_MODE, GL_EXP2);
        glFogf(GL_FOG_DENSITY, 0.1f);
        glFogf(GL_FOG_END, 10);
        glEnable(GL_FOG);
    }
    setProjection(9);
    distance = 4.5;
    scene->buildLists();
    built = true;
    setProjection(config.farPlane);
}

void OpticalBench::setProjection(double farPlane) {
    const QSize c = client.isValid() && !client.isEmpty() ? client : size();
    const double dpr = devicePixelRatioF();
    glViewport(0, 0, GLsizei(c.width() * dpr), GLsizei(c.height() * dpr));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, double(c.width()) / std::max(1, c.height()), 3, farPlane);
    glMatrixMode(GL_MODELVIEW);
}

void OpticalBench::resizeGL(int, int) {
    setProjection(config.farPlane);
}

void OpticalBench::paintGL() {
    // Only the timer's frames move time on: a repaint for anything else (the
    // overlay over the view, a drag) draws the moment last shown again.
    // A step while paused is a frame of its own.
    const bool next = (frameDue && !paused) || stepping;
    frameDue = false;
    stepping = false;
    moving = next;
    const double upcoming = T;
    if (next)
        Timer1->stop();
    else
        T = shownT;
    emit frameStarting();
    // The viewport is the window's client area anchored at the panel's
    // bottom-left corner, as the windows were laid out.
    setProjection(config.farPlane);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene->drawFrame(*this);
    pushCamera();
    drawAxes();
    glPopMatrix();
    if (next) {
        shownT = T;
        T += config.timeStep;
    } else {
        T = upcoming;
    }
    emit frameDrawn();
    if (next && isVisible() && !paused) Timer1->start();
}

void OpticalBench::mousePressEvent(QMouseEvent *e) {
    setCursor(Qt::SizeAllCursor);
    last = e->position().toPoint();
    dragging = true;
}

void OpticalBench::mouseMoveEvent(QMouseEvent *e) {
    if (!dragging) return;
    const QPoint p = e->position().toPoint();
    turnBy(p - last);
    last = p;
}

void OpticalBench::turnBy(QPoint d) {
    *rotY += float(d.x());
    *rotX += float(d.y());
    if (paused) update(); // else the next frame shows the turn
}

void OpticalBench::mouseReleaseEvent(QMouseEvent *) {
    if (!dragging) return;
    dragging = false;
    unsetCursor();
}

bool closeWithoutOpenGL(QWidget *window) {
    if (OpticalBench::openGLAvailable()) return false;
    QTimer::singleShot(0, window, [window] {
        QMessageBox::critical(nullptr, QStringLiteral("Error"),
                              QStringLiteral("SetPixelFormat failed"), QMessageBox::Ok);
        window->close();
    });
    return true;
}

TKeyboardDrag *turnWithArrows(QWidget *panel, std::function<OpticalBench *()> bench) {
    TKeyboardDrag::Object scene;
    scene.move = [bench = std::move(bench)](QPoint d) {
        if (OpticalBench *b = bench()) b->turnBy(d);
    };
    return new TKeyboardDrag(panel, {scene});
}

void fitBench(OpticalBench *bench, QWidget *panel, QSize client) {
    if (!bench) return;
    bench->setGeometry(panel->rect());
    bench->setClientSize(client);
}
