// Big tables are read at random; large pages spare most address-translation misses.
#pragma once
#include <sys/mman.h>
#include <cstddef>
#include <cstdint>

inline void adviseLargePages(void* start, size_t size) {
  constexpr uintptr_t LargePage = uintptr_t(2) << 20;
  const uintptr_t first = (reinterpret_cast<uintptr_t>(start) + LargePage - 1) & ~(LargePage - 1);
  const uintptr_t last = (reinterpret_cast<uintptr_t>(start) + size) & ~(LargePage - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
