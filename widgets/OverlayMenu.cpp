// The overlay's context menu, copy and save, and the window-wide keys.
#include "widgets/Messages.h"
#include "widgets/Overlay.h"
#include "widgets/Surface.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QOpenGLWidget>
#include <QSaveFile>
#include <QShortcut>

namespace {

const char *kKeysName = "OverlayKeys";

QOpenGLWidget *glViewOf(QWidget *w) {
    if (auto *gl = qobject_cast<QOpenGLWidget *>(w)) return gl;
    return w->findChild<QOpenGLWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

QString TOverlay::noPictureReason() const {
    if (!hintText.isEmpty()) return tr("Рисунка ещё нет: %1.").arg(hintText);
    return tr("Рисунка ещё нет.");
}

QImage TOverlay::pictureImage() const {
    if (!target) return {};
    if (source) {
        QImage own = source->picture();
        if (!own.isNull()) return own;
    }
    if (auto *image = qobject_cast<const TImage *>(target.data())) return image->Bitmap;
    if (QOpenGLWidget *gl = glViewOf(target)) return gl->grabFramebuffer();
    // The picture without this layer on it.
    auto *self = const_cast<TOverlay *>(this);
    const bool shown = isVisible();
    self->hide();
    const QImage grabbed = target->grab().toImage();
    if (shown) self->show();
    return grabbed;
}

void TOverlay::complain(const QString &text) const {
    message = showMessage(window(), QMessageBox::Warning, tr("Ой!"), text, Qt::WindowModal);
}

void TOverlay::copyPicture() const {
    const QImage image = pictureImage();
    if (image.isNull() || !hintText.isEmpty()) return complain(noPictureReason());
    QGuiApplication::clipboard()->setImage(image);
}

// Writes all or nothing: QSaveFile only replaces the file once everything is
// on the disk. Unbuffered, because a buffered write that the disk cuts short
// fails in the commit's flush, which this Qt does not report, and a truncated
// file would replace the old one.
bool TOverlay::writeFile(const QString &path, const QByteArray &bytes) const {
    const QFileInfo info(path);
    const QString dir = QDir::toNativeSeparators(info.absolutePath());
    auto fail = [&](const QString &why) {
        complain(
            tr("Не удалось сохранить файл «%1»: %2.").arg(QDir::toNativeSeparators(path), why));
        return false;
    };
    if (!QFileInfo(info.absolutePath()).isDir()) return fail(tr("папки «%1» нет").arg(dir));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(tr("в папку «%1» нельзя записывать").arg(dir));
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit();
        return fail(tr("не хватило места на диске"));
    }
    if (!file.commit()) return fail(tr("не хватило места на диске"));
    return true;
}

bool TOverlay::savePicture(const QString &path) const {
    const QImage image = pictureImage();
    if (image.isNull() || !hintText.isEmpty()) {
        complain(noPictureReason());
        return false;
    }
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    return writeFile(path, png);
}

bool TOverlay::saveData(const QString &path) const {
    if (!source || !source->hasData()) {
        complain(tr("Данных ещё нет: сначала постройте рисунок."));
        return false;
    }
    return writeFile(path, source->dataCsv().toUtf8());
}

namespace {

// Qt's own dialog, which speaks the program's language.
QString askFileName(QWidget *parent, const QString &filter, const QString &suffix) {
    QFileDialog dialog(parent, QCoreApplication::translate("TOverlay", "Сохранить"),
                       QDir::homePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

} // namespace

void TOverlay::savePictureAs() {
    if (pictureImage().isNull() || !hintText.isEmpty()) return complain(noPictureReason());
    const QString path = askFileName(window(), tr("Рисунки PNG (*.png)"), QStringLiteral("png"));
    if (!path.isEmpty()) savePicture(path);
}

void TOverlay::saveDataAs() {
    const QString path = askFileName(window(), tr("Таблицы CSV (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty()) saveData(path);
}

QMenu *TOverlay::contextMenu() {
    if (!menu) menu = new QMenu(this);
    menu->clear();
    QAction *copy = menu->addAction(tr("Копировать рисунок"), this, [this] { copyPicture(); });
    copy->setShortcut(QKeySequence::Copy);
    menu->addAction(tr("Сохранить рисунок…"), this, [this] { savePictureAs(); });
    QAction *data = menu->addAction(tr("Сохранить данные…"), this, [this] { saveDataAs(); });
    data->setEnabled(source && source->hasData());
    menu->addSeparator();
    QAction *theory = menu->addAction(tr("Теория"), this, [this](bool on) { setTheoryShown(on); });
    theory->setCheckable(true);
    theory->setChecked(theoryOn);
    theory->setShortcut(QKeySequence(Qt::Key_T));
    theory->setEnabled(source && source->hasTheory());
    return menu;
}

namespace {

// The overlay the window's keys act on: the one under the pointer, else the
// one whose picture has the focus, else the first one shown.
template <class Pred> TOverlay *pickOverlay(QWidget *window, Pred wanted) {
    TOverlay *first = nullptr, *focused = nullptr;
    const QWidget *focus = QApplication::focusWidget();
    for (TOverlay *o : window->findChildren<TOverlay *>()) {
        QWidget *pic = o->picture();
        if (!pic || !pic->isVisible() || !wanted(o)) continue;
        if (pic->underMouse()) return o;
        if (!focused && focus && (focus == pic || pic->isAncestorOf(focus))) focused = o;
        if (!first) first = o;
    }
    return focused ? focused : first;
}

// Right steps a paused animation when the focused control has no use for the
// key (it reaches the window unaccepted).
class RightStep : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Right || key->modifiers() != Qt::NoModifier) return false;
        TOverlay *o = pickOverlay(static_cast<QWidget *>(watched), [](TOverlay *x) {
            return x->animation() && x->animation()->isPaused();
        });
        if (!o) return false;
        o->stepOnce();
        return true;
    }
};

} // namespace

void TOverlay::installKeys(QWidget *window) {
    if (!window) return;
    auto *keys = window->findChild<QObject *>(QLatin1String(kKeysName), Qt::FindDirectChildrenOnly);
    if (!keys) {
        keys = new RightStep(window);
        keys->setObjectName(QLatin1String(kKeysName));
        window->installEventFilter(keys);
        // Shortcuts: a text box that has the focus takes its keys first.
        auto add = [&](const QKeySequence &seq, const char *name, auto act) {
            auto *s = new QShortcut(seq, window);
            s->setObjectName(QLatin1String(name));
            QObject::connect(s, &QShortcut::activated, keys, [window, act] { act(window); });
        };
        add(QKeySequence(Qt::Key_Space), "OverlaySpace", [](QWidget *w) {
            if (TOverlay *o = pickOverlay(w, [](TOverlay *x) { return x->animation(); }))
                o->togglePause();
        });
        add(QKeySequence(Qt::Key_T), "OverlayT", [](QWidget *w) {
            auto has = [](TOverlay *x) { return x->provider() && x->provider()->hasTheory(); };
            if (TOverlay *o = pickOverlay(w, has)) o->setTheoryShown(!o->theoryShown());
        });
        add(QKeySequence::Copy, "OverlayCopy", [](QWidget *w) {
            if (TOverlay *o = pickOverlay(w, [](TOverlay *) { return true; })) o->copyPicture();
        });
    }
    // A key is only taken from the controls where it does something.
    bool animated = false, theory = false;
    for (TOverlay *o : window->findChildren<TOverlay *>()) {
        animated = animated || o->animation();
        theory = theory || o->provider();
    }
    for (QShortcut *s : window->findChildren<QShortcut *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (s->objectName() == QLatin1String("OverlaySpace")) s->setEnabled(animated);
        if (s->objectName() == QLatin1String("OverlayT")) s->setEnabled(theory);
    }
}
