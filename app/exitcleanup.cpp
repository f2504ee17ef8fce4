#include "app/exitcleanup.h"

#include "app/gamestate.h"

#include <cstdlib>

namespace {
int runs = 0;
bool registered = false;
}

void runExitCleanup()
{
    if (runs > 0)
        return;
    ++runs;
    releaseGameState();
}

void registerExitCleanup()
{
    if (registered)
        return;
    registered = true;
    // An ordinary end (main returns) and a requested end (quick_exit) both
    // run it; the first run does the work.
    std::atexit([] { runExitCleanup(); });
    std::at_quick_exit([] { runExitCleanup(); });
}

int exitCleanupRuns()
{
    return runs;
}
