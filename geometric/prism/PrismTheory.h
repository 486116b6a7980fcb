#pragma once
// A 60-degree prism by the textbook: Snell's law at both faces gives the
// deviation delta = i1 + gamma - A of the red and the violet ray, and the
// minimum deviation delta_min = 2 arcsin(n sin(A / 2)) - A, reached at
// i1 = arcsin(n sin(A / 2)).
struct PrismRay {
    double n = 0;
    bool leaves = false;  // not turned back at either face
    double deviation = 0; // radians
    double direction = 0; // of the emergent ray above the horizontal, radians
};

struct PrismTheory {
    bool valid = false;                                // n >= 1
    double incidence = 0;                              // i1, radians
    PrismRay red, violet;                              // n - 190 D and n + 182 D (D in 1e-5 per nm)
    bool hasMinimum = false;                           // n sin(A/2) <= 1
    double minimumDeviation = 0, minimumIncidence = 0; // for the typed n
};

// i1 the angle of incidence on the first face (the beam's direction + 30
// degrees), n and D as typed.
PrismTheory prismTheory(double incidence, double n, double D);
