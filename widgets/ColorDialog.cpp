#include "widgets/ColorDialog.h"

#include <QColorDialog>
#include <QWidget>

TColorDialog::TColorDialog(QWidget *owner_) : QObject(owner_), owner(owner_) {}

bool TColorDialog::Execute() {
    std::optional<QColor> chosen;
    if (chooser) {
        chosen = chooser(Color);
    } else {
        const QColor c = QColorDialog::getColor(Color, owner);
        if (c.isValid()) chosen = c;
    }
    if (!chosen || !chosen->isValid()) return false;
    Color = QColor(chosen->rgb()); // 24 bits, opaque
    return true;
}
