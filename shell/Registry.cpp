#include "shell/Registry.h"

#include "atomic/microparticles/Unit51.h"
#include "atomic/xray/U_main.h"
#include "geometric/focal/Unit6.h"
#include "geometric/huygens/Unit15.h"
#include "geometric/lens/Unit3.h"
#include "geometric/mirror/Unit5.h"
#include "geometric/prism/Unit4.h"
#include "geometric/refraction/Unit2.h"
#include "polarisation/anisotropic/Unit11.h"
#include "polarisation/brewster/Unit14.h"
#include "polarisation/malus/Unit16.h"
#include "shell/Unit1.h"
#include "waves/diffraction/Unit13.h"
#include "waves/fraunhofer/Unit9.h"
#include "waves/fresnel/Unit10.h"
#include "waves/interference/Unit12.h"
#include "waves/newton/Unit7.h"
#include "waves/spectrometer/Unit8.h"

#include <QtGlobal>
#include <cstring>

namespace {

template <class T, T *&Global> void createForm() {
    Global = new T;
}
template <class T, T *&Global> void destroyForm() {
    delete Global;
    Global = nullptr;
}
template <class T, T *&Global> QWidget *formOf() {
    return Global;
}
template <class T, T *&Global>
constexpr WindowEntry form(const char *button = nullptr, int top = 0,
                           const char *caption = nullptr) {
    return {&T::staticMetaObject,
            &createForm<T, Global>,
            &destroyForm<T, Global>,
            &formOf<T, Global>,
            button,
            top,
            caption};
}

const WindowEntry kWindows[] = {
    form<TForm1, Form1>(),
    form<TForm3, Form3>("SpeedButton1", 176,
                        QT_TRANSLATE_NOOP("TForm1", "Построение изображения в линзе")),
    form<TForm4, Form4>("SpeedButton2", 224,
                        QT_TRANSLATE_NOOP("TForm1", "Дисперсия луча света в призме")),
    form<TForm2, Form2>("SpeedButton4", 128,
                        QT_TRANSLATE_NOOP("TForm1", "Преломление света на границе сред")),
    form<TForm5, Form5>(
        "SpeedButton5", 104,
        QT_TRANSLATE_NOOP("TForm1", "Отражение света. Построение изображения в зеркале.")),
    form<TForm6, Form6>("SpeedButton7", 152,
                        QT_TRANSLATE_NOOP("TForm1", "Фокусное расстояние линзы.")),
    form<TForm8, Form8>("SpeedButton6", 368,
                        QT_TRANSLATE_NOOP("TForm1", "Спектрометр на дифракционной решетке")),
    form<TForm9, Form9>("SpeedButton9", 320, QT_TRANSLATE_NOOP("TForm1", "Дифракция Фраунгофера")),
    form<TForm10, Form10>("SpeedButton8", 344, QT_TRANSLATE_NOOP("TForm1", "Дифракция Френеля")),
    form<TForm11, Form11>("SpeedButton10", 392, QT_TRANSLATE_NOOP("TForm1", "Поляризация волны")),
    form<TForm12, Form12>("SpeedButton11", 248,
                          QT_TRANSLATE_NOOP("TForm1", "Интерференция от точечных источников")),
    form<TForm7, Form7>("SpeedButton12", 272, QT_TRANSLATE_NOOP("TForm1", "Кольца Ньютона")),
    form<TForm13, Form13>(
        "SpeedButton13", 296,
        QT_TRANSLATE_NOOP("TForm1", "Дифракция. Основные черты и закономерности.")),
    form<TForm14, Form14>(
        "SpeedButton14", 440,
        QT_TRANSLATE_NOOP("TForm1", "Поляризация света при отражении и преломлении")),
    form<TForm15, Form15>("SpeedButton15", 200,
                          QT_TRANSLATE_NOOP("TForm1", "Преломление по принципу Гюйгенса")),
    form<TForm16, Form16>("SpeedButton17", 416, QT_TRANSLATE_NOOP("TForm1", "Закон Малюса")),
    form<TForm51, Form51>("SpeedButton18", 464,
                          QT_TRANSLATE_NOOP("TForm1", "Дифракция микрочастиц")),
    form<Tform_Main, form_Main>("SpeedButton19", 488,
                                QT_TRANSLATE_NOOP("TForm1", "Рентгеновские спектры")),
};

} // namespace

std::span<const WindowEntry> windowRegistry() {
    return kWindows;
}

const WindowEntry *windowOfButton(const char *buttonName) {
    for (const WindowEntry &w : kWindows)
        if (w.button && std::strcmp(w.button, buttonName) == 0) return &w;
    return nullptr;
}
