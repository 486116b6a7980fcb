#pragma once
// Start-up: the application object, then all eighteen windows in their fixed
// order, the launcher first so that it is the main window.

class QWidget;

// Application-wide settings made once before any window exists: the C
// locale for numbers, the application's name and Qt's Russian translations.
void prepareApplication();

// Creates every window, hidden, the launcher too (for tests and tools).
// Safe to call once per process.
void createAllForms();

// What the program does at start: creates the launcher, shows it and lets it
// paint, then creates the other windows in their order. No input is handled
// before they all exist, so to a user every window exists from start-up;
// the launcher only appears sooner. `launcherShown` runs once it is painted.
void startWindows(void (*launcherShown)() = nullptr);

// Waits (at most two seconds) until the window is on the screen and painted,
// handling no input meanwhile.
void waitUntilPainted(QWidget *w);

// Deletes the windows in the reverse order of creation.
void destroyAllForms();

// The names of the window classes in creation order.
const char *const *formCreationOrder();
int formCount();

// Start-up, message loop and the guard around both; returns the exit code.
int runProgram(int argc, char **argv);
