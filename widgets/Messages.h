#pragma once
// The windows' message boxes: shown over the window without blocking the
// caller (a worker's messages must still get through), deleted when closed.
// The window keeps the returned box for tests and the teacher.
#include <QMessageBox>

QMessageBox *showMessage(QWidget *window, QMessageBox::Icon icon, const QString &title,
                         const QString &text, Qt::WindowModality modality = Qt::ApplicationModal);
