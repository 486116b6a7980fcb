#pragma once
// Start-up: the application object, then all eighteen windows in their fixed
// order, the launcher first so that it is the main window.

// Application-wide settings made once before any window exists: the C
// locale for numbers, the application's name and Qt's Russian translations.
void prepareApplication();

// Creates every window, hidden but the launcher (which is shown only by
// runProgram). Safe to call once per process.
void createAllForms();

// Deletes the windows in the reverse order of creation.
void destroyAllForms();

// The names of the window classes in creation order.
const char *const *formCreationOrder();
int formCount();

// Start-up, message loop and the guard around both; returns the exit code.
int runProgram(int argc, char **argv);
