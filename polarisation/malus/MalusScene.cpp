#include "polarisation/malus/MalusScene.h"

#include "polarisation/malus/MalusModel.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <numbers>

namespace {
constexpr unsigned kRim = 1, kPlate = 2, kBeam = 3;
constexpr double kRimHeight = 0.15;

void material(float specular) {
    const GLfloat c[4] = {specular, specular, specular, specular};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, c);
}
} // namespace

void MalusScene::buildLists() {
    base = glGenLists(3) - 1; // our lists are base + 1 .. base + 3
    auto list = [this](unsigned n, auto draw) {
        GLUquadric *q = gluNewQuadric();
        gluQuadricNormals(q, GLU_SMOOTH);
        glNewList(base + n, GL_COMPILE);
        draw(q);
        glEndList();
        gluDeleteQuadric(q);
    };
    list(kPlate, [](GLUquadric *q) { gluDisk(q, 0, 0.5, 4, 1); });
    list(kRim, [](GLUquadric *q) { gluCylinder(q, 0.5, 0.5, kRimHeight, 4, 1); });
    list(kBeam, [](GLUquadric *q) { gluCylinder(q, 0.1, 0.1, 1, 16, 1); });
}

void MalusScene::releaseLists() {
    if (base != kNoLists) glDeleteLists(base + 1, 3);
    base = kNoLists;
}

// Beams and polarisers lie along local Z; turned so that it becomes X.
void MalusScene::pushObject(const OpticalBench &bench) const {
    bench.pushCamera();
    glRotatef(90, 0, 1, 0);
}

void MalusScene::beam(const OpticalBench &bench, double s, double z0, double z1) const {
    const auto layers = malus::beamLayers(s);
    OpticalBench::SetEmissionColor(layers[0].r, layers[0].g, layers[0].b);
    for (const auto &l : layers) {
        glColor4f(l.r, l.g, l.b, l.alpha);
        pushObject(bench);
        glTranslated(0, 0, z0);
        glScaled(l.scale, l.scale, std::abs(z1 - z0));
        glCallList(base + kBeam);
        glPopMatrix();
    }
}

void MalusScene::polariser(const OpticalBench &bench, double p, double z) const {
    OpticalBench::SetEmissionColor(0, 0, 0.2f);
    glColor4f(0, 0.3f, 0.9f, 0.8f);
    pushObject(bench);
    glRotated(p * 180 / std::numbers::pi, 0, 0, 1);
    // A plate at each end of the rim.
    for (double at : {z - kRimHeight / 2, z + kRimHeight / 2}) {
        glPushMatrix();
        glTranslated(0, 0, at);
        glCallList(base + kPlate);
        glPopMatrix();
    }
    glTranslated(0, 0, z - kRimHeight / 2);
    glCallList(base + kRim);
    // The two marked sides of the rim show the allowed direction.
    OpticalBench::SetEmissionColor(0.5f, 0.5f, 1);
    glColor4f(0.5f, 0.5f, 1, 1);
    const float h = float(kRimHeight);
    glBegin(GL_QUADS);
    for (float sgn : {1.f, -1.f}) {
        glVertex3f(0.51f * sgn, 0, 0);
        glVertex3f(0.51f * sgn, 0, h);
        glVertex3f(0, 0.51f * sgn, h);
        glVertex3f(0, 0.51f * sgn, 0);
    }
    glEnd();
    glPopMatrix();
}

void MalusScene::wave(const OpticalBench &bench, double x0, double x1, double ay, double az) {
    bench.pushCamera();
    OpticalBench::SetEmissionColor(1, 0, 0);
    glColor4f(1, 0, 0, 1);
    glBegin(GL_LINES);
    for (const auto &s : malus::waveSegments(x0, x1, ay, az, bench.T)) {
        glVertex3d(s.from.x, s.from.y, s.from.z);
        glVertex3d(s.to.x, s.to.y, s.to.z);
        glVertex3d(s.axis.x, s.axis.y, s.axis.z);
        glVertex3d(s.to.x, s.to.y, s.to.z);
    }
    glEnd();
    glPopMatrix();
}

void MalusScene::drawFrame(OpticalBench &bench) {
    const auto p = malus::polariserAngles(params.thetaDegrees, params.oneFixed);
    glLineWidth(2);
    material(0);
    double ay = 0, az = 0;
    if (params.waves) {
        malus::waveAmplitude(malus::kIntensityBetween, p.first, ay, az);
        wave(bench, -0.5, 0.5, ay, az);
    }
    beam(bench, malus::kIntensityBetween, -0.575, 0.575);
    material(1);
    polariser(bench, p.first, -0.5);
    polariser(bench, p.second, 0.5);
    material(0);
    const double I = malus::intensityBehind(params.thetaDegrees);
    lastIntensity = I;
    if (params.waves && I > malus::kWaveThreshold) {
        malus::waveAmplitude(I, p.second, ay, az);
        wave(bench, 0.5, 100, ay, az);
    }
    beam(bench, malus::kIntensityBefore, -100, -0.575);
    beam(bench, I, 0.575, 100);
    material(1);
}
