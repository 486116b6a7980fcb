#pragma once
// The straightforward Fresnel sum, element by element, in extended
// precision with chi, psi and A in single and the exponential, cosine and
// sine in double precision: the yardstick for the fast kernel in tests and
// bench. Its normalisation truncates largest x 255 / largest, which may give
// 254 for the brightest entry. Sane inputs only. Both tables are running
// sums, so their lengths (n or n + 1) are the sums' own.
#include "waves/fresnel/Fresnel.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

// A box's text read in extended precision, as the window must read it.
inline long double fresnelText(const char *text) {
    long double v = 0;
    std::from_chars(text, text + std::strlen(text), v);
    return v;
}

inline FresnelProfile fresnelReference(const FresnelInputs &in) {
    using LD = long double;
    const LD pi = 3.141592653589793L, twoPi = 6.283185307179586L;
    const LD lambda = in.wavelengthNm * 1e-9L;
    const LD z1 = in.z1, z2 = in.z2, R = in.screenRadius, K = in.K;
    LD profile[200] = {};
    LD largest = 0;
    const LD dr = R * 0.005L;
    const LD alphaIn = std::atan(in.innerRadius / z1), alphaOut = std::atan(in.outerRadius / z1);
    const LD rho = std::sqrt(z1 * z1 + R * R);
    const LD dAlpha = (alphaOut - alphaIn) / in.radialSteps;
    const LD dPhi = pi / in.azimuthSteps;
    std::vector<LD> cosPhi, sinPhi, cosAlpha, sinAlpha;
    for (LD phi = 0; phi <= twoPi; phi += dPhi) {
        cosPhi.push_back(std::cos(phi));
        sinPhi.push_back(std::sin(phi));
    }
    for (LD alpha = alphaIn; alpha <= alphaOut && dAlpha > 0; alpha += dAlpha) {
        cosAlpha.push_back(std::cos(alpha));
        sinAlpha.push_back(std::sin(alpha));
    }
    LD r = 0;
    for (int k = 0; r < R && k < 200; ++k, r += dr) {
        LD C = 0, S = 0;
        const LD Q = (z1 + z2) * (z1 + z2) + r * r;
        for (std::size_t i = 0; i < cosAlpha.size(); ++i) {
            const LD h = z1 + z2 - rho * cosAlpha[i];
            const LD s = rho * sinAlpha[i];
            for (std::size_t j = 0; j < cosPhi.size(); ++j) {
                const LD X = s * cosPhi[j];
                const LD Y = r - s * sinPhi[j];
                const LD d2 = X * X + h * h + Y * Y;
                const LD d = std::sqrt(d2);
                LD c = (rho * rho + d2 - Q) / (2 * rho * d);
                if (c >= 0) continue;
                if (c < -1) c = -1;
                const float chi = static_cast<float>(pi - std::acos(c));
                const float psi = static_cast<float>(twoPi * std::fmod(d, lambda) / lambda);
                const float A = static_cast<float>(s / std::exp(static_cast<double>(K * chi)));
                C = C + A * std::cos(static_cast<double>(psi));
                S = S + A * std::sin(static_cast<double>(psi));
            }
        }
        const LD I = C * C + S * S;
        if (I > largest) largest = I;
        profile[k] = I;
    }
    FresnelProfile out{};
    if (largest > 0)
        for (int k = 0; k < 200; ++k)
            out[k] = static_cast<std::int32_t>(profile[k] * 255 / largest);
    return out;
}

// Where a fast profile departs from the reference, or empty. The brightest
// entry is 255 by construction; the plain sum truncates it, maybe to 254.
inline std::string fresnelMismatch(const FresnelProfile &got, const FresnelProfile &ref) {
    std::string why;
    for (int k = 0; k < kFresnelEntries; ++k) {
        const bool same = got[k] == 255 ? ref[k] >= 254 : got[k] == ref[k];
        if (!same && why.empty())
            why = "entry " + std::to_string(k) + ": " + std::to_string(got[k]) + " vs " +
                  std::to_string(ref[k]);
    }
    if (why.empty()) return why;
    for (const auto *p : {&got, &ref}) {
        why += '\n';
        for (int v : *p)
            why += std::to_string(v) + ' ';
    }
    return why;
}
