#pragma once
// Numbers of the Malus's-law scene: polariser angles, beam intensities and
// the samples of the polarised waves. No drawing here.
#include <vector>

namespace malus {

struct PolariserAngles {
    double first = 0;  // radians about the beam axis
    double second = 0; // radians
};

// With one polariser fixed the first stays at 0 and the second turns by
// theta; otherwise both turn by half of theta in opposite senses.
PolariserAngles polariserAngles(double thetaDegrees, bool oneFixed);

constexpr double kIntensityBefore = 1.0;
constexpr double kIntensityBetween = 0.5;
// Behind the second polariser no wave is drawn at or below this intensity.
constexpr double kWaveThreshold = 0.03;

// 0.5 cos^2(theta): behind the second polariser.
double intensityBehind(double thetaDegrees);

// Colour and alpha of the ten layers of a beam of intensity s.
struct BeamLayer {
    float scale = 0; // radius factor of the unit beam
    float r = 0, g = 0, b = 0, alpha = 0;
};
std::vector<BeamLayer> beamLayers(double s);

struct WavePoint {
    double x = 0, y = 0, z = 0;
};
// One segment of a wave: its line and the hatch from the axis.
struct WaveSegment {
    WavePoint from, to;
    WavePoint axis; // (x, 0, 0) of the end point
};
// Samples every 0.02 from x0 to x1 of a wave whose field has components
// (ay, az); t is the animation time. A sample whose predecessor lies at
// x = 0 is not joined to it.
std::vector<WaveSegment> waveSegments(double x0, double x1, double ay, double az, double t);

// Components of the wave behind a polariser at angle p carrying intensity s.
void waveAmplitude(double s, double p, double &ay, double &az);

// The step of automatic rotation: +1, wrapping to min at max.
int nextAutoTheta(int theta, int minValue, int maxValue);
// The wheel: up +1, down -1 only while above 0.
int wheelTheta(int theta, bool up);

} // namespace malus
