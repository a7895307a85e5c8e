#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// The large blocks of a job (weight planes and big images, tens of megabytes
// each) are written from end to end right after they are allocated. Taken
// fresh from the system in 4 KiB pages that costs one page fault per 4 KiB,
// more than the writing itself; in 2 MiB pages it costs one per 2 MiB. So on
// Linux, where transparent huge pages are often given only on request, such a
// block asks for them. The contents are not affected in any way.

// Smaller blocks are not worth a system call.
constexpr std::size_t BigBlockBytes = std::size_t{4} << 20;

// Asks for 2 MiB pages for the whole 2 MiB pages inside [start, start + bytes);
// a hint only, ignored where it is not available. Call it before the first touch.
inline void AdviseHugePages(void* start, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes < BigBlockBytes) return;
    constexpr std::uintptr_t huge = std::uintptr_t{2} << 20;
    const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t begin = (first + huge - 1) & ~(huge - 1);
    const std::uintptr_t end = (first + bytes) & ~(huge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}

// An uninitialised block of `count` elements (for blocks that are written
// whole before they are read), in huge pages where it is big enough.
template <class T>
std::unique_ptr<T[]> MakeBigBlock(std::size_t count) {
    auto block = std::make_unique_for_overwrite<T[]>(count);
    AdviseHugePages(block.get(), count * sizeof(T));
    return block;
}
