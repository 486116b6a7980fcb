// Starts the windows the way the program does, after its command line has
// chosen the scale, and prints for each window its class, device pixel
// ratio, logical size and the size of its grabbed picture in device pixels.
#include "shell/Scale.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char **argv) {
    chooseScale(argc, argv);
    QApplication app(argc, argv);
    createAllForms();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->windowTitle().isEmpty()) continue;
        const QImage shot = w->grab().toImage();
        std::printf("%s %g %d %d %d %d\n", w->metaObject()->className(), w->devicePixelRatioF(),
                    w->width(), w->height(), shot.width(), shot.height());
    }
    destroyAllForms();
    return 0;
}
