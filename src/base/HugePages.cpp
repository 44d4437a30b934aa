#include "base/HugePages.h"

#include <cstdint>
#include <sys/mman.h>

void adviseHugePages(void* data, qsizetype bytes) {
    constexpr std::uintptr_t HugePage = 2 * 1024 * 1024;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t last = (begin + std::uintptr_t(bytes)) & ~(HugePage - 1);
    if (bytes > 0 && last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
