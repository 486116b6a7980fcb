#include "widgets/Accessible.h"

#include "widgets/Csafespinedit.h"
#include "widgets/Surface.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <climits>

namespace {

const char kDescribed[] = "lumivistaPicture";

QString plainCaption(const QLabel *l) {
    QString text = Qt::mightBeRichText(l->text())
                       ? QTextDocumentFragment::fromHtml(l->text()).toPlainText()
                       : l->text();
    text.remove(QLatin1Char('&'));
    // "Оптическая сила линзы, D=" is read as what it names.
    static const QRegularExpression tail(QStringLiteral("[\\s=:]+$"));
    return text.remove(tail).simplified();
}

bool overlaps(int a0, int a1, int b0, int b1) {
    return a0 < b1 && b0 < a1;
}

// The caption to the left on the same row, else the nearest one above.
QString labelBefore(const QWidget *control) {
    const QRect c = control->geometry();
    const QLabel *left = nullptr, *above = nullptr;
    int leftGap = INT_MAX, aboveGap = INT_MAX;
    for (QObject *o : control->parentWidget()->children()) {
        const auto *l = qobject_cast<QLabel *>(o);
        if (!l || plainCaption(l).isEmpty()) continue;
        const QRect r = l->geometry();
        if (overlaps(r.top(), r.bottom() + 1, c.top(), c.bottom() + 1) && r.left() < c.left() &&
            c.left() - r.right() < leftGap) {
            leftGap = c.left() - r.right();
            left = l;
        } else if (r.top() < c.top() &&
                   overlaps(r.left(), r.right() + 1, c.left(), c.right() + 1) &&
                   c.top() - r.bottom() < aboveGap) {
            aboveGap = c.top() - r.bottom();
            above = l;
        }
    }
    const QLabel *l = left ? left : above;
    return l ? plainCaption(l) : QString();
}

// The title of the group box or page the control sits on.
QString enclosingTitle(const QWidget *control) {
    for (const QWidget *w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
        if (const auto *g = qobject_cast<const QGroupBox *>(w); g && !g->title().isEmpty())
            return QString(g->title()).remove(QLatin1Char('&'));
        const auto *stack = qobject_cast<const QStackedWidget *>(w->parentWidget());
        const auto *tabs =
            stack ? qobject_cast<const QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(const_cast<QWidget *>(w)) >= 0)
            return QString(tabs->tabText(tabs->indexOf(const_cast<QWidget *>(w))))
                .remove(QLatin1Char('&'));
    }
    return {};
}

// Controls that set or show a value and have no caption of their own.
bool needsName(const QWidget *w) {
    if (qobject_cast<const QLineEdit *>(w))
        return !qobject_cast<const QAbstractSpinBox *>(w->parentWidget()) &&
               !qobject_cast<const QComboBox *>(w->parentWidget()) &&
               !qobject_cast<const TCSpinEdit *>(w->parentWidget());
    if (const auto *b = qobject_cast<const QAbstractButton *>(w)) return b->text().isEmpty();
    return qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const TCSpinEdit *>(w) || qobject_cast<const QAbstractSlider *>(w) ||
           qobject_cast<const QProgressBar *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

void nameControl(QWidget *w) {
    QString name = labelBefore(w);
    if (name.isEmpty()) name = enclosingTitle(w);
    if (name.isEmpty() && qobject_cast<QProgressBar *>(w))
        name = QCoreApplication::translate("Accessible", "Ход расчёта");
    if (name.isEmpty()) name = w->window()->windowTitle();
    w->setAccessibleName(name);
    if (auto *spin = qobject_cast<TCSpinEdit *>(w)) spin->editor()->setAccessibleName(name);
}

} // namespace

bool isPicture(const QWidget *w) {
    if (w->property(kDescribed).toBool() || qobject_cast<const TImage *>(w)) return true;
    if (const auto *l = qobject_cast<const QLabel *>(w)) return l->movie() || !l->pixmap().isNull();
    return w->inherits("QOpenGLWidget") || w->inherits("QVideoWidget");
}

void describePicture(QWidget *picture, const QString &description) {
    picture->setProperty(kDescribed, true);
    picture->setAccessibleName(QCoreApplication::translate("Accessible", "Рисунок"));
    picture->setAccessibleDescription(description);
}

void nameControls(QWidget *window) {
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->accessibleName().isEmpty() || w->objectName().isEmpty() ||
            w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (isPicture(w))
            w->setAccessibleName(QCoreApplication::translate("Accessible", "Рисунок"));
        else if (needsName(w))
            nameControl(w);
    }
}
