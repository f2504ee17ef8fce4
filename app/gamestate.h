#pragma once

#include "app/wordids.h"

#include <QString>
#include <QtGlobal>

// Handle of a record set on a word bank connection; 0 means none.
using RecordSetHandle = qint32;

// The one process-wide record that the windows share. The windows own no
// shared objects: the main window, the game and the manager talk to each other
// only through these fields.
struct GameState
{
    qint32 gameminutes = 0;       // game length picked in the main window
    WordIds wordids;              // every ID of the bank, ascending, from index 1
    qint32 wordcount = 0;         // rows counted by the last walk over a record set
    qint32 answered = 0;          // words answered in the current game
    qint32 correct = 0;           // words guessed in the current game
    qint32 elapsed = 0;           // the countdown's second counter
    RecordSetHandle recordset = 0; // the record set the manager's list shows
    QString selectedid;           // ID text of the word last selected in the manager
};

// Creates the record with its initial values; called once at start-up.
void createGameState();
// Releases the record; called by the exit clean-up.
void releaseGameState();
bool gameStateExists();
// The record; it must have been created.
GameState &gameState();
