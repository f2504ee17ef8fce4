#pragma once

class QWidget;

// The two windows the main window opens. Each loads its window modally over
// `owner` and returns once that window is gone.

// The game: reads gameState().gameminutes when it starts.
void launchGame(QWidget *owner);
// The word bank manager.
void launchWordBank(QWidget *owner);
