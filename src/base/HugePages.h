#pragma once

#include <QtGlobal>

// Asks the system to back a large buffer about to be filled with huge pages where it offers them
// (transparent huge pages in "madvise" or "always" mode): a page fault for every 2 MiB instead of
// every 4 KiB, which on some machines is most of what taking in a page of several megabytes costs.
// Only the whole huge pages inside the buffer are concerned; a small buffer is left alone.
void adviseHugePages(void* data, qsizetype bytes);
