#include "toolkit/HugePages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace toolkit {

void AdviseHugePages([[maybe_unused]] const void* block, [[maybe_unused]] std::size_t size)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t Huge = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + Huge - 1) & ~(Huge - 1), end = (start + size) & ~(Huge - 1);
    if (first < end) // advice only: where it is refused, the block works as it is
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

} // namespace toolkit
