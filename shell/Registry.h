#pragma once
// The one table of the program's windows: the order start-up creates them
// in, the globals that hold them, and the launcher buttons that show them.
// Adding a demonstration is one row in Registry.cpp plus its own files.
#include <span>

class QMetaObject;
class QWidget;

struct WindowEntry {
    const QMetaObject *meta; // the window's class
    void (*create)();        // creates the window into its global
    void (*destroy)();       // deletes it and clears the global
    QWidget *(*window)();    // the global, once created
    // The launcher button that shows the window (none for the launcher).
    const char *button = nullptr;
    int buttonTop = 0;
    const char *caption = nullptr;
};

// Every window in creation order, the launcher first.
std::span<const WindowEntry> windowRegistry();

// The row of the window a launcher button shows, or nullptr.
const WindowEntry *windowOfButton(const char *buttonName);
