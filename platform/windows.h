#pragma once

class ProgramWindow;
class QWidget;

// Shows the start-up window, not modal: the program lives as long as it does.
void loadStartupWindow(ProgramWindow *window);

// Raises the window's created event, shows it modal over every other window
// and runs a nested event loop; returns once the window has been destroyed.
// A window that asks to be destroyed while it is being created is destroyed
// without being shown. Takes ownership of `window`.
void loadModally(ProgramWindow *window);

// Repaints the pending parts of the window at once.
void refreshNow(QWidget *window);
