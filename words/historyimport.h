#pragma once
// Reads the tests stored before there was a history into it, so a learner who has been training does not start
// from nothing.

#include "dictionaries/dictionaries.h"

#include <atomic>
#include <functional>
#include <vector>

class History;

struct ImportProgress
{
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    // Set from outside to stop: nothing of an unfinished import is kept.
    std::atomic<bool> cancel{false};
};

// Reads every stored test of the data folder, oldest first, with its date. A word is matched to the recordings
// of every listed dictionary by its word alone, since stored tests name no folder; a word no dictionary holds is
// kept under no folder. All of it is kept in one commit, which also marks the import done; false when it was
// cancelled or could not be written.
bool importStoredTests(History& history, const std::vector<__dictionary>& dictionaries, ImportProgress* progress);
