#include "waves/fraunhofer/FraunhoferScene.h"

#include "canvas/Canvas.h"
#include "canvas/Colours.h"
#include "core/Pixels.h"
#include "core/WavelengthWalk.h"

int fraunhoferOutlineSpan(double size, double screen) {
    return toPixel(size * 200 / screen);
}

void drawFraunhoferScene(QImage &bitmap, const FraunhoferPicture &picture,
                         const FraunhoferView &view) {
    constexpr int side = kFraunhoferSide;
    if (bitmap.size() != QSize(side, side) || bitmap.format() != QImage::Format_RGB32)
        bitmap = QImage(side, side, QImage::Format_RGB32);
    const Rgb light = view.colour ? wavelengthToRgb(view.wavelengthNm) : Rgb{255, 255, 255};
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        for (int x = 0; x < side; ++x) {
            int g = picture.at(x, y);
            if (view.shadow) g = ~g & 0xFF;
            const Rgb c = tint(g, light);
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    if (!view.outline) return;
    Canvas canvas(bitmap);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setPenWidth(1);
    canvas.setPenMode(PenMode::Copy);
    canvas.setPenStyle(PenStyle::Dot);
    canvas.setPenColor(view.colour ? QColor(255 - light.red, 255 - light.green, 255 - light.blue)
                                   : colours::clRed);
    const int w = view.halfWidth, h = view.halfHeight;
    canvas.Rectangle(toPixel(200.0 - w), toPixel(200.0 - h), toPixel(201.0 + w),
                     toPixel(201.0 + h));
}
