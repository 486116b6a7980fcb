#pragma once
// The reflection and refraction scene on the optical bench: the incident,
// reflected and refracted waves with their components, optional rays, the
// surface and the side of the body.
#include "polarisation/bench/OpticalBench.h"
#include "polarisation/brewster/Fresnel.h"

struct BrewsterParams {
    brewster::Inputs inputs;
    bool side = true;            // the side of the body
    bool wireFrame = false;      // surfaces as wire frames
    bool smoothLines = false;    // line antialiasing
    bool components = true;      // the two field components
    bool fillComponents = false; // hatch the components down to their axis
    bool resultant = true;       // the resulting field
    bool fillWave = true;        // hatch the resulting field
    bool rays = false;
};

class BrewsterScene : public BenchScene {
  public:
    BrewsterParams params;
    void buildLists() override;
    void releaseLists() override;
    void drawFrame(OpticalBench &bench) override;
    // Builds the surface and the side again, as wire frames or solid, in
    // the current context.
    void rebuildLists();
    // What the last frame showed (a frame that is not drawn keeps it).
    const brewster::Frame &shownFrame() const { return shown; }

  private:
    void drawWave(const OpticalBench &bench, const brewster::Wave &w) const;
    void drawRay(const OpticalBench &bench, const brewster::Ray &ray) const;
    void drawBody(const OpticalBench &bench) const;
    // glGenLists gives 0 when it fails, so base is then kNoLists too.
    static constexpr unsigned kNoLists = ~0u;
    unsigned base = kNoLists;
    bool listsWire = false; // how the lists were last built
    brewster::Frame shown;
    double shownT = 0;
    bool hasShown = false;
};
