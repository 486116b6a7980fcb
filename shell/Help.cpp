#include "shell/Help.h"

#include "widgets/DataFiles.h"
#include "widgets/Localised.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

namespace {

// The table of contents of the help pages in the language that runs, read
// from the same project file that builds the compiled help: "page.html|Title"
// lines. The pages lie beside it.
QString helpContentsFile() {
    return localisedResource(QStringLiteral(":/help/contents.txt"));
}

QList<QPair<QString, QString>> helpContents() {
    QList<QPair<QString, QString>> pages;
    QFile f(helpContentsFile());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return pages;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int bar = line.indexOf(QLatin1Char('|'));
        if (bar > 0) pages.append({line.left(bar).trimmed(), line.mid(bar + 1).trimmed()});
    }
    return pages;
}

} // namespace

THelpWindow::THelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Справка по программе"));
    resize(820, 560);
    Contents = new QListWidget(this);
    Contents->setObjectName(QStringLiteral("Contents"));
    Contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Page = new QTextBrowser(this);
    Page->setObjectName(QStringLiteral("Page"));
    Page->setSearchPaths({QFileInfo(helpContentsFile()).path()});
    Page->setOpenExternalLinks(true);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Contents);
    layout->addWidget(Page, 1);
    for (const auto &[file, title] : helpContents()) {
        auto *item = new QListWidgetItem(title, Contents);
        item->setData(Qt::UserRole, file);
    }
    fitContents();
    connect(Contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item) showPage(item->data(Qt::UserRole).toString());
    });
    showPage(QStringLiteral("index.html"));
}

// The list as wide as its longest title, so that no title is cut.
void THelpWindow::fitContents() {
    const int frame = 2 * Contents->frameWidth();
    const int scroll = Contents->verticalScrollBar()->sizeHint().width();
    Contents->setFixedWidth(Contents->sizeHintForColumn(0) + frame + scroll);
}

void THelpWindow::showPage(const QString &name) {
    Page->setSource(QUrl(name));
}

namespace {

bool askDesktopForChm() {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return false;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QStringLiteral("application/vnd.ms-htmlhelp")});
    if (!query.waitForFinished(1500)) {
        query.kill();
        query.waitForFinished(100);
        return false;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool desktopOpensChm() {
    // Asked once: the query blocks the window for up to 1.5 s.
    static const bool opens = askDesktopForChm();
    return opens;
}

THelpWindow *helpWindow() {
    static THelpWindow *window = nullptr;
    if (!window) window = new THelpWindow;
    return window;
}

void openHelp(QWidget *parent, const QString &fileName) {
    (void)parent;
    const QString path = localisedResource(dataFilePath(fileName));
    if (QFileInfo::exists(path) && desktopOpensChm() &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    THelpWindow *w = helpWindow();
    w->show();
    w->raise();
    w->activateWindow();
}
