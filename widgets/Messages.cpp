#include "widgets/Messages.h"

QMessageBox *showMessage(QWidget *window, QMessageBox::Icon icon, const QString &title,
                         const QString &text, Qt::WindowModality modality) {
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(modality);
    box->show();
    return box;
}
