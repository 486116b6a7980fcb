#include "app/Startup.h"

#include "app/Unit1.h"
#include "atomic/U_main.h"
#include "atomic/Unit51.h"
#include "geometric/Unit15.h"
#include "geometric/Unit2.h"
#include "geometric/Unit3.h"
#include "geometric/Unit4.h"
#include "geometric/Unit5.h"
#include "geometric/Unit6.h"
#include "polarisation/Unit11.h"
#include "polarisation/Unit14.h"
#include "polarisation/Unit16.h"
#include "waves/Unit10.h"
#include "waves/Unit12.h"
#include "waves/Unit13.h"
#include "waves/Unit7.h"
#include "waves/Unit8.h"
#include "waves/Unit9.h"

#include <QApplication>
#include <QLocale>
#include <array>

namespace {

// One row per window, in creation order: how to create it into its global
// and how to destroy it again.
struct FormEntry {
    const QMetaObject *meta;
    void (*create)();
    void (*destroy)();
};

template <class T, T *&Global> void createForm() {
    Global = new T;
}
template <class T, T *&Global> void destroyForm() {
    delete Global;
    Global = nullptr;
}
template <class T, T *&Global> constexpr FormEntry form() {
    return {&T::staticMetaObject, &createForm<T, Global>, &destroyForm<T, Global>};
}

const FormEntry kForms[] = {
    form<TForm1, Form1>(),   form<TForm3, Form3>(),   form<TForm4, Form4>(),
    form<TForm2, Form2>(),   form<TForm5, Form5>(),   form<TForm6, Form6>(),
    form<TForm8, Form8>(),   form<TForm9, Form9>(),   form<TForm10, Form10>(),
    form<TForm11, Form11>(), form<TForm12, Form12>(), form<TForm7, Form7>(),
    form<TForm13, Form13>(), form<TForm14, Form14>(), form<TForm15, Form15>(),
    form<TForm16, Form16>(), form<TForm51, Form51>(), form<Tform_Main, form_Main>(),
};
constexpr int kFormCount = int(std::size(kForms));

} // namespace

const char *const *formCreationOrder() {
    static const auto names = [] {
        std::array<const char *, kFormCount> n{};
        for (int i = 0; i < kFormCount; ++i)
            n[std::size_t(i)] = kForms[i].meta->className();
        return n;
    }();
    return names.data();
}
int formCount() {
    return kFormCount;
}

void createAllForms() {
    for (const FormEntry &f : kForms)
        f.create();
}

void destroyAllForms() {
    for (int i = kFormCount - 1; i >= 0; --i)
        kForms[i].destroy();
}

int runProgram(int argc, char **argv) {
    try {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Демонстрации"));
        QApplication::setApplicationDisplayName(QStringLiteral("Демонстрации"));
        // Numbers are written and read with "." whatever the user's locale.
        QLocale::setDefault(QLocale::c());
        createAllForms();
        Form1->show();
        const int code = QApplication::exec();
        destroyAllForms();
        return code;
    } catch (...) {
        // An exception escaping start-up ends the program quietly.
        return 0;
    }
}
