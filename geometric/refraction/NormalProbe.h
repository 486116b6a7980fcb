#pragma once
// What the pointer reads on a refraction picture: the angle between the
// normal at a point of a surface and the pointer's direction from there.

// Degrees 0..90 between the line through (ox, oy) along the normal (nx, ny)
// and the direction to (x, y); 0 at the point itself.
double angleFromNormal(double x, double y, double ox, double oy, double nx, double ny);
