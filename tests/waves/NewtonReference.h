#pragma once
// The ring profile computed the straightforward way, one sample after the
// other, as the algorithm is written down. The window's kernel must give
// the same levels.
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

inline std::vector<int> newtonReference(long double Rc, long double a, long double h,
                                        long double wavelength) {
    wavelength = wavelength * 1e-9L;
    const long long n = static_cast<long long>(a / h);
    if (n < 1) return {};
    std::vector<long double> intensity(static_cast<std::size_t>(n + 16), 0.0L);
    const long double k = 12.566370614359172L / wavelength;
    long double largest = 0, r = 0;
    long long i = 0;
    while (r <= a) {
        const long double t = Rc - std::sqrt(Rc * Rc - r * r);
        const long double delta = t * k;
        const long double I = (std::cos(delta) + 1) * (std::cos(delta) + 1) +
                              (std::sin(delta) + 1) * (std::sin(delta) + 1);
        intensity[static_cast<std::size_t>(i)] = I;
        if (I > largest) largest = I;
        if (i < n - 1) ++i;
        r = r + h;
    }
    std::vector<int> result(static_cast<std::size_t>(n));
    for (long long j = 0; j < n; ++j)
        result[static_cast<std::size_t>(j)] =
            static_cast<int>(intensity[static_cast<std::size_t>(j)] * 255 / largest);
    return result;
}

// The inputs as typed, read straight into extended precision.
inline long double newtonReferenceInput(std::string_view text) {
    long double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

inline std::vector<int> newtonReference(std::string_view Rc, std::string_view a, std::string_view h,
                                        std::string_view wavelength) {
    return newtonReference(newtonReferenceInput(Rc), newtonReferenceInput(a),
                           newtonReferenceInput(h), newtonReferenceInput(wavelength));
}
