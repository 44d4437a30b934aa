#pragma once

#include <functional>

// Asked now and then by long work on a worker thread; true means give up at once. An empty signal
// never stops anything.
using StopSignal = std::function<bool()>;

// True when signal asks to give up; never for an empty one.
inline bool stopRequested(const StopSignal& signal) {
    return signal && signal();
}
