#pragma once
// What the pointer reads on a lens picture: its distance from the lens plane
// (positive behind the lens, to the right) and its height above the axis,
// in the picture's units.
struct AxisReading {
    double distance = 0;
    double height = 0;
};

// (cx, cy): where the lens plane crosses the axis; `perUnit` pixels a unit.
AxisReading axisReading(int x, int y, int cx, int cy, double perUnit);
