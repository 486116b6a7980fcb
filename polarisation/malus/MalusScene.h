#pragma once
// The Malus's-law scene on the optical bench: two polarisers, the beam
// before, between and behind them, and optionally the polarised waves.
#include "polarisation/bench/OpticalBench.h"

struct MalusParams {
    double thetaDegrees = 0;
    bool oneFixed = false;
    bool waves = false;
};

class MalusScene : public BenchScene {
  public:
    MalusParams params;
    // Intensity behind the second polariser in the last frame.
    double lastIntensity = 0.5;
    void buildLists() override;
    void releaseLists() override;
    void drawFrame(OpticalBench &bench) override;

  private:
    void pushObject(const OpticalBench &bench) const;
    void beam(const OpticalBench &bench, double s, double z0, double z1) const;
    void polariser(const OpticalBench &bench, double p, double z) const;
    static void wave(const OpticalBench &bench, double x0, double x1, double ay, double az);
    // glGenLists gives 0 when it fails, so base is then kNoLists too.
    static constexpr unsigned kNoLists = ~0u;
    unsigned base = kNoLists;
};
