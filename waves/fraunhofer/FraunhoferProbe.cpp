#include "waves/fraunhofer/FraunhoferProbe.h"

double fraunhoferPositionMm(int pixel, double screen) {
    return (pixel - kFraunhoferSide / 2) * screen * (1000.0 / kFraunhoferSide);
}

std::optional<FraunhoferReading> probeFraunhofer(const FraunhoferPicture &picture, double screen,
                                                 bool shadow, int x, int y) {
    if (x < 0 || y < 0 || x >= kFraunhoferSide || y >= kFraunhoferSide) return std::nullopt;
    int g = picture.at(x, y);
    if (shadow) g = ~g & 0xFF;
    return FraunhoferReading{fraunhoferPositionMm(x, screen), -fraunhoferPositionMm(y, screen),
                             g * 100.0 / 255};
}
