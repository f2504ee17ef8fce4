#pragma once

// The clean-up that runs once when the program ends in an orderly way: the
// last window closed, or the end of the program requested.
void registerExitCleanup();
// Runs the clean-up now unless it has run already.
void runExitCleanup();
// How many times the clean-up has done its work (0 or 1).
int exitCleanupRuns();
