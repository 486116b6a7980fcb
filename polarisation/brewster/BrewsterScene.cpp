#include "polarisation/brewster/BrewsterScene.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
constexpr unsigned kSide = 1, kSurface = 2;

void vertex(double x, double y, double z) {
    glVertex3d(x, y, z);
}
} // namespace

void BrewsterScene::buildLists() {
    base = glGenLists(2) - 1; // our lists are base + 1 and base + 2
    listsWire = params.wireFrame;
    auto list = [this](unsigned n, auto draw) {
        GLUquadric *q = gluNewQuadric();
        gluQuadricNormals(q, GLU_SMOOTH);
        gluQuadricDrawStyle(q, listsWire ? GLU_LINE : GLU_FILL);
        glNewList(base + n, GL_COMPILE);
        draw(q);
        glEndList();
        gluDeleteQuadric(q);
    };
    const int rings = listsWire ? 8 : 1;
    list(kSurface, [rings](GLUquadric *q) { gluDisk(q, 0, 1.5, 16, rings); });
    list(kSide, [rings](GLUquadric *q) { gluCylinder(q, 2.3, 1.5, 2, 16, rings); });
}

void BrewsterScene::releaseLists() {
    if (base != kNoLists) glDeleteLists(base + 1, 2);
    base = kNoLists;
}

void BrewsterScene::rebuildLists() {
    releaseLists();
    buildLists();
}

void BrewsterScene::drawFrame(OpticalBench &bench) {
    if (params.wireFrame != listsWire) rebuildLists();
    if (params.smoothLines)
        glEnable(GL_LINE_SMOOTH);
    else
        glDisable(GL_LINE_SMOOTH);
    const brewster::Frame f = brewster::describeFrame(params.inputs);
    // A frame that cannot be drawn (an angle of 90 typed, no wavelength)
    // keeps the last picture as it was.
    if (f.drawn) {
        shown = f;
        shownT = bench.T;
        hasShown = true;
    }
    if (hasShown) {
        for (const auto &w : shown.waves)
            drawWave(bench, w);
        if (params.rays)
            for (const auto &r : shown.rays)
                drawRay(bench, r);
    }
    drawBody(bench);
}

void BrewsterScene::drawWave(const OpticalBench &bench, const brewster::Wave &w) const {
    const auto pts = brewster::sampleWave(w, shown.e, shown.phi, shownT);
    const bool xs = params.components && brewster::showsX(w);
    const bool ys = params.components && brewster::showsY(w);
    glLineWidth(3);
    bench.pushCamera();
    glRotated(w.turn, 0, 1, 0);
    if (w.shifted) glTranslated(3, 0, 0);
    glBegin(GL_LINES);
    // The first sample only starts the line.
    for (size_t i = 2; i < pts.size(); ++i) {
        const auto &p = pts[i - 1], &q = pts[i];
        if (params.resultant) {
            OpticalBench::SetEmissionColor(1, 1, 0);
            vertex(p.x, p.l, p.h);
            vertex(q.x, q.l, q.h);
            if (params.fillWave) {
                glColor4f(1, 1, 0, 0.8f);
                vertex(q.x, 0, 0);
                vertex(q.x, q.l, q.h);
            }
        }
        if (xs) {
            OpticalBench::SetEmissionColor(1, 0, 0);
            vertex(p.x, p.l, 0);
            vertex(q.x, q.l, 0);
            if (params.fillComponents) {
                glColor4f(1, 0, 0, 0.8f);
                vertex(q.x, 0, 0);
                vertex(q.x, q.l, 0);
            }
        }
        if (ys) {
            OpticalBench::SetEmissionColor(0, 1, 0);
            vertex(p.x, 0, p.h);
            vertex(q.x, 0, q.h);
            if (params.fillComponents) {
                glColor4f(0, 1, 0, 0.8f);
                vertex(q.x, 0, 0);
                vertex(q.x, 0, q.h);
            }
        }
    }
    glEnd();
    glPopMatrix();
}

void BrewsterScene::drawRay(const OpticalBench &bench, const brewster::Ray &ray) const {
    const auto c = brewster::rayColour(shown.colour, ray.brightness);
    glLineWidth(3);
    OpticalBench::SetEmissionColor(c.r, c.g, c.b);
    bench.pushCamera();
    glRotated(ray.turn, 0, 1, 0);
    glBegin(GL_LINES);
    vertex(0, 0, 0);
    vertex(ray.incoming ? -3 : 3, 0, 0);
    glEnd();
    glPopMatrix();
}

void BrewsterScene::drawBody(const OpticalBench &bench) const {
    OpticalBench::SetEmissionColor(0, 0, 0.2f);
    glColor4f(0, 0.3f, 0.9f, 0.7f);
    bench.pushCamera();
    glCallList(base + kSurface);
    // The axes go in before the translucent side, so it veils them.
    OpticalBench::drawAxes();
    glPopMatrix();
    if (!params.side) return;
    glColor4f(0, 0.3f, 0.9f, 0.4f);
    bench.pushCamera();
    glTranslated(0, 0, -2);
    glCallList(base + kSide);
    glPopMatrix();
}
