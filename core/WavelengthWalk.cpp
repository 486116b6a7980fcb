#include "core/WavelengthWalk.h"

void ColourWalk::step() {
    // The stage tests follow one another: a stage that ends hands over to the
    // next one within the same pass.
    if (stage == 0) {
        rgb.green += 1;
        if (rgb.green > 128) rgb.green += 2;
        if (rgb.green >= 255) {
            rgb.green = 255;
            stage = 1;
        }
    }
    if (stage == 1) {
        rgb.red -= 3;
        if (rgb.red < 128) rgb.blue += 5;
        if (rgb.red <= 0) {
            rgb.red = 0;
            stage = 2;
        }
    }
    if (stage == 2) {
        rgb.blue += 3;
        if (rgb.blue >= 255) {
            rgb.blue = 255;
            stage = 3;
        }
    }
    if (stage == 3) {
        rgb.green -= 4;
        if (rgb.green > 128) rgb.green -= 4;
        if (rgb.green <= 0) {
            rgb.green = 0;
            stage = 4;
        }
    }
    if (stage == 4) {
        rgb.red += 4;
        if (rgb.red >= 255) {
            rgb.red = 255;
            done = true;
        }
    }
}

Rgb wavelengthToRgb(int wavelength) {
    ColourWalk walk;
    // i runs down from 780; the walk stops once it reaches the wavelength.
    for (int i = 780;; --i) {
        walk.step();
        if (walk.finished() || wavelength >= i) break;
    }
    return walk.colour();
}
