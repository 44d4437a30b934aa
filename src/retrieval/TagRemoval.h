#pragma once

#include "base/StopSignal.h"

#include <QString>

// Deletes the tags of an extracted fragment: the first complete "<...>" (a "<" up to the first
// ">" after it) is deleted together with every other occurrence of that exact text, and again
// from where it stood, until no "<" with a ">" after it is left. A "<" with no ">" after it stays
// with the rest of the text.
//
// Deleting every occurrence of each tag in turn costs a pass over the fragment per distinct tag;
// this does the same in one pass over the fragment: later occurrences are deleted when the scan
// reaches them, in the order their passes would have deleted them.
//
// shouldStop is asked now and then; when it answers true the fragment is left unfinished and
// false is returned.
bool removeTags(QString& fragment, const StopSignal& shouldStop = {});
