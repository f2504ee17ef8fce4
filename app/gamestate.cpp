#include "app/gamestate.h"

#include <memory>

namespace {
std::unique_ptr<GameState> theState;
}

void createGameState()
{
    theState = std::make_unique<GameState>();
}

void releaseGameState()
{
    if (!theState)
        return;
    theState->wordids.release();
    theState->selectedid.clear();
    theState.reset();
}

bool gameStateExists()
{
    return theState != nullptr;
}

GameState &gameState()
{
    Q_ASSERT_X(theState, "gameState", "the game state is created at start-up");
    return *theState;
}
