#pragma once
// The platform's colour chooser as a form component: preset Color, Execute,
// read Color back. Tests and scripted runs replace the dialog with `chooser`.
#include <QColor>
#include <QObject>
#include <functional>
#include <optional>

class QWidget;

class TColorDialog : public QObject {
  public:
    explicit TColorDialog(QWidget *owner);

    QColor Color;
    // Opens the chooser preset to Color; on OK stores the choice in Color.
    // False when cancelled, and Color is left alone.
    bool Execute();

    // Replaces the modal dialog: gets the preset, returns the choice or
    // nothing for a cancel.
    std::function<std::optional<QColor>(const QColor &)> chooser;

  private:
    QWidget *owner;
};
