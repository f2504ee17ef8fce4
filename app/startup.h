#pragma once

class MainWindow;

// What must be settled before the application object exists.
void preparePlatform();

// Start-up once the application object exists: the program's folder becomes
// the current directory, floating-point exceptions are masked, the game state
// is created, the exit clean-up registered and the main window shown.
MainWindow *startUp();

// The whole life of the program: start-up, the event loop until no window is
// left, and the exit code (0).
int runProgram(int &argc, char **argv);
