// Huge-page backing of the heap (see memory.h). Everything here is advice:
// when the kernel refuses it, the run continues on small pages.
#include "base/memory.h"

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace korvex {
namespace {

constexpr uintptr_t kHuge = uintptr_t{2} << 20;
// The first bytes of the heap, all that a run of a small file uses, stay on
// small pages: a huge page there would clear 2 MiB for a few KiB of use.
constexpr uintptr_t kSmallRun = 4 * kHuge;
uintptr_t heap_start = 0;   // the first 2 MiB boundary of the heap
uintptr_t advised_end = 0;  // the heap from heap_start + kSmallRun below this has been advised
bool start_advised = false;  // and [heap_start, heap_start + kSmallRun) too

// The address the next allocations come from, which a small block just
// made marks.
uintptr_t heap_top() {
  void* probe = std::malloc(1);
  const uintptr_t top = reinterpret_cast<uintptr_t>(probe);
  std::free(probe);
  return top;
}

}  // namespace

void prepare_memory() {
  // Every block comes from the one heap, which grows 1 GiB at a time
  // (address space only: pages are backed when touched) and keeps what it
  // has: the passes allocate and release arrays of the same sizes one after
  // another.
  // Under a limit on the address space or the data segment, a 1 GiB step
  // could fail where the run itself fits: grow in small steps there.
  rlimit as{}, data{};
  const bool limited = (getrlimit(RLIMIT_AS, &as) == 0 && as.rlim_cur != RLIM_INFINITY) ||
                       (getrlimit(RLIMIT_DATA, &data) == 0 && data.rlim_cur != RLIM_INFINITY);
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TOP_PAD, limited ? 32 << 20 : 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  // Huge pages start on 2 MiB boundaries; the few blocks made before main()
  // stay on small pages, and so do the first kSmallRun bytes until a run
  // goes beyond them.
  heap_start = (reinterpret_cast<uintptr_t>(sbrk(0)) + kHuge - 1) & ~(kHuge - 1);
  advised_end = heap_start + kSmallRun;
  std::free(std::malloc(1));
  advise_memory();
}

void advise_memory() {
  if (heap_start == 0) return;
  const uintptr_t end = reinterpret_cast<uintptr_t>(sbrk(0)) & ~(kHuge - 1);
  if (end > advised_end) {
    madvise(reinterpret_cast<void*>(advised_end), end - advised_end, MADV_HUGEPAGE);
    advised_end = end;
  }
  if (!start_advised && heap_top() >= heap_start + kSmallRun) {
    madvise(reinterpret_cast<void*>(heap_start), kSmallRun, MADV_HUGEPAGE);
    start_advised = true;
  }
}

void leave_to_exit(Lines&& lines) {
  // Reachable from a static to the end, so that leak checkers do not report
  // it, and never destroyed.
  static std::vector<Lines>* const kept = std::make_unique<std::vector<Lines>>().release();
  kept->push_back(std::move(lines));
}

}  // namespace korvex
