#pragma once
// A wave with two perpendicular field components before and after a plate of
// a birefringent substance: the model of the anisotropic-medium animation.
#include <optional>

// Parameters in SI units (80-bit precision where the platform has it).
struct WaveParams {
    long double Kx = 1;                      // index for the X component
    long double Ky = 2;                      // index for the Y component
    long double lambda0 = 500e-9;            // wavelength in vacuum, m
    long double f = 3.14159265358979323846L; // phase lead of Y, rad
    long double d = 125e-9;                  // plate thickness, m
    long double dt = 1e-17;                  // time step, s
};

// From the numbers typed in the edits: nm, degrees, nm, units of 1e-17 s.
WaveParams waveParamsFromInputs(double lambdaNm, double fDegrees, double Kx, double Ky, double dNm,
                                double dtUnits);

constexpr double kWaveAmplitude = 70; // pixels

// One picture's point: the field components and the magnitude.
struct FieldPoint {
    double Ex = 0, Ey = 0, r = 0;
};

struct WaveFields {
    FieldPoint in, out;
};

// The fields at time t; nothing when the computation fails (lambda0 = 0,
// overflow), so that no NaN or infinity ever reaches a picture.
std::optional<WaveFields> waveFieldsAt(const WaveParams &p, long double t);

// What one picture draws for a step: the previous point (if any) and the new one.
struct TraceStep {
    FieldPoint prev, now;
    bool hasPrev = false;
};

// The animation state: model time and the last drawn point of each picture.
class WaveAnimation {
  public:
    long double t = 0;
    FieldPoint lastIn, lastOut;
    bool hasPrevIn = false, hasPrevOut = false;

    struct Step {
        TraceStep in, out;
    };
    // Computes one step and advances the state; nothing (and no state change)
    // when the step fails.
    std::optional<Step> step(const WaveParams &p);
};
