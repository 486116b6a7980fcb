#pragma once
// The colour of light of a given wavelength: a piecewise-linear walk around
// the colour wheel from red (780 nm) to violet, one pass per nanometre,
// through five stages. Not a colour-matching function, a teaching palette.

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// The walk itself, so that the spectrometer can step it line by line.
class ColourWalk {
  public:
    // One pass of the five stage tests (no wavelength test).
    void step();
    bool finished() const { return done; }
    Rgb colour() const { return rgb; }

  private:
    Rgb rgb{255, 0, 0};
    int stage = 0;
    bool done = false;
};

// The colour of a wavelength in nanometres: one pass for each nanometre from
// 780 down to the wavelength, at least one, ending by itself at 403 nm.
Rgb wavelengthToRgb(int wavelength);

// A grey level 0..255 tinted by a colour: each channel is g * c / 255.
inline Rgb tint(int grey, Rgb c) {
    return {grey * c.red / 255, grey * c.green / 255, grey * c.blue / 255};
}
