#pragma once
// The classroom scales: the whole program at 100, 125, 150 or 200 %, by
// Qt's own high-DPI scaling. Qt reads the factor when the application object
// is created, so it is chosen from the command line before that and lives
// only there: nothing is written to disk.
#include <QString>
#include <QStringList>
#include <span>

// The scales offered, as factors.
std::span<const double> programScales();

struct ScaleChoice {
    double factor = 1;
    bool given = false; // the command line asked for a scale
    QString problem;    // why the scale asked for was refused; empty: none
};

// Reads "--scale F" or "--scale=F" (the last one counts). A factor not
// among programScales(), or a missing one, gives 100 % and a problem.
ScaleChoice scaleFromArguments(int argc, const char *const *argv);

// Before the application object exists: reads the command line, says on
// stderr why a scale was refused, and sets Qt's scale factor.
void chooseScale(int argc, const char *const *argv);

// The scale the program runs at (the one Qt was given; 1 when none).
double programScale();

// "150 %".
QString scaleCaption(double factor);

// The arguments that start the program at `factor`.
QStringList scaleArguments(double factor);
