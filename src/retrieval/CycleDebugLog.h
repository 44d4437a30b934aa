#pragma once

#include "base/AppFolders.h"
#include "base/Clock.h"
#include "retrieval/UpdateCycle.h"

// With Debug on, writes down what a cycle takes in: each page's text to the page dump ("~http.tmp")
// and a " [Get] " line with its address and the encoding it was read in to the run log. Lives as
// long as the cycle.
void keepDebugLogOf(UpdateCycle& cycle, const AppFolders& folders, const Clock& clock);
