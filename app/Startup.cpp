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

namespace {

const char *const kOrder[] = {"TForm1",  "TForm3",  "TForm4",  "TForm2",  "TForm5",  "TForm6",
                              "TForm8",  "TForm9",  "TForm10", "TForm11", "TForm12", "TForm7",
                              "TForm13", "TForm14", "TForm15", "TForm16", "TForm51", "Tform_Main"};

QList<QWidget *> &createdForms() {
    static QList<QWidget *> forms;
    return forms;
}

template <class T> void create(T *&global) {
    global = new T;
    createdForms().append(global);
}

} // namespace

const char *const *formCreationOrder() {
    return kOrder;
}
int formCount() {
    return static_cast<int>(std::size(kOrder));
}

void createAllForms() {
    create(Form1);
    create(Form3);
    create(Form4);
    create(Form2);
    create(Form5);
    create(Form6);
    create(Form8);
    create(Form9);
    create(Form10);
    create(Form11);
    create(Form12);
    create(Form7);
    create(Form13);
    create(Form14);
    create(Form15);
    create(Form16);
    create(Form51);
    create(form_Main);
}

void destroyAllForms() {
    QList<QWidget *> &forms = createdForms();
    while (!forms.isEmpty())
        delete forms.takeLast();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form8 = nullptr;
    Form9 = nullptr;
    Form10 = nullptr;
    Form11 = nullptr;
    Form12 = nullptr;
    Form13 = nullptr;
    Form14 = nullptr;
    Form15 = nullptr;
    Form16 = nullptr;
    Form51 = nullptr;
    form_Main = nullptr;
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
