#pragma once
// Help: the compiled help file is handed to the desktop; where nothing on the
// machine opens such files, the same pages show in a window of our own.
#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget *parent = nullptr);
    QListWidget *Contents;
    QTextBrowser *Page;
    // Shows the page with the given file name ("index.html", "lens.html").
    void showPage(const QString &name);

  private:
    void fitContents();
};

// True when the desktop has an application registered for .chm files (as
// found at the first call).
bool desktopOpensChm();

// Opens the help file where the data files are found, or our own help window.
void openHelp(QWidget *parent, const QString &fileName);

// The window used when the desktop cannot open the help file (created on demand).
THelpWindow *helpWindow();
