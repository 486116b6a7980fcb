#pragma once
// Reflection and refraction of a wave with two field components at the flat
// surface of a transparent body: the Fresnel coefficients, the amplitudes
// of the incident wave, and what one frame of the scene shows (waves, rays,
// the samples of a wave). No drawing here.
#include "core/WavelengthWalk.h"

#include <vector>

namespace brewster {

// The field components of the incident wave: X is perpendicular to the
// plane of incidence, Y lies in it.
struct Amplitudes {
    double x = 0;
    double y = 0;
};

// From the ratio Ey/Ex: 0 gives no wave; the larger component is 1. A
// ratio below -1 is mirrored from one above 1, so no amplitude exceeds 1
// whatever is typed.
Amplitudes amplitudesFromRatio(double q);

// An index as the scene uses it: 0 (or a value that is no number) means 1,
// a negative one counts by its size.
double usableIndex(double n);

// The coefficients of the reflected and refracted waves. Each component
// gives what it does not reflect to its refracted wave, so its intensities
// add up: r^2 + t^2 = 1. A component whose refraction angle does not exist
// (an index below sin alpha) is reflected whole: its r is 1, its t is 0 and
// it refracts no wave.
struct Coefficients {
    double rPar = 0;
    double rPerp = 0;
    double tPerp = 1;   // of the X component
    double tPar = 1;    // of the Y component
    double betaPar = 0; // refraction angles, radians
    double betaPerp = 0;
    bool parRefracts = true;
    bool perpRefracts = true;
};
Coefficients fresnel(double alphaDegrees, double nPar, double nPerp);

// One wave of the scene, drawn along its beam turned about the scene's Y
// axis; a shifted wave runs from the surface outwards. A speed of 0 means
// the component is absent.
struct Wave {
    double turn = 0; // degrees
    bool shifted = false;
    double vx = 0, vy = 0;
    double ax = 0, ay = 0;
};

// A component is drawn only when it exists and is not negligible.
constexpr double kComponentThreshold = 0.01;
inline bool showsX(const Wave &w) {
    return w.vx != 0 && (w.ax > kComponentThreshold || w.ax < -kComponentThreshold);
}
inline bool showsY(const Wave &w) {
    return w.vy != 0 && (w.ay > kComponentThreshold || w.ay < -kComponentThreshold);
}

// A light ray from the origin: the incident one comes in from its beam's
// far end, the others go out to it. Its brightness is its share of the
// incident light (1), weighted by the intensities of the two components.
struct Ray {
    double turn = 0; // degrees
    bool incoming = false;
    double brightness = 0;
};

// What the window reads afresh for every frame.
struct Inputs {
    int phaseDegrees = 0;  // fy - fx
    double ratio = 1;      // Ey/Ex
    int alphaDegrees = 60; // angle of incidence
    int wavelength = 500;  // nm
    double nPar = 1.3;     // as typed; 0 means 1
    double nPerp = 1.3;
};

struct Frame {
    bool drawn = false; // false: the angle is a non-zero multiple of 90 or no wavelength
    double e = 0;       // wave frequency at the display speed
    double phi = 0;     // phase difference, radians
    Amplitudes amplitudes;
    Coefficients c;
    // The incident wave, the reflected one, then one or two refracted ones.
    std::vector<Wave> waves;
    std::vector<Ray> rays; // in the same order
    Rgb colour;            // of the wavelength
};
Frame describeFrame(const Inputs &in);

constexpr double kDisplaySpeed = 1e8;
constexpr double kTimeStep = 1e-16; // animation time per frame

// One sample of a wave: along the beam x, the X component l (across the
// plane of incidence) and the Y component h (in it).
struct WavePoint {
    double x = 0, l = 0, h = 0;
};
// The samples of a wave from its start (x = 0) back to x = -3, before the
// turn and the shift; every value is finite whatever the inputs.
std::vector<WavePoint> sampleWave(const Wave &w, double e, double phi, double t);

// A ray's colour: the wavelength's colour scaled by its brightness.
struct RayColour {
    float r = 0, g = 0, b = 0;
};
RayColour rayColour(Rgb wavelengthColour, double brightness);

// The wheel turns the angle of incidence by one degree within 0..89.
int wheelAlpha(int alphaDegrees, bool up);

} // namespace brewster
