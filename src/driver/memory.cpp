// Huge-page backing of the heap (see memory.h). Everything here is advice:
// when the kernel refuses it, the run continues on small pages.
#include "driver/memory.h"

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace korvex {
namespace {

constexpr uintptr_t kHuge = uintptr_t{2} << 20;
uintptr_t advised_end = 0;  // the heap below this address has been advised

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
  // stay on small pages.
  advised_end = (reinterpret_cast<uintptr_t>(sbrk(0)) + kHuge - 1) & ~(kHuge - 1);
  std::free(std::malloc(1));
  advise_memory();
}

void advise_memory() {
  const uintptr_t end = reinterpret_cast<uintptr_t>(sbrk(0)) & ~(kHuge - 1);
  if (advised_end == 0 || end <= advised_end) return;
  madvise(reinterpret_cast<void*>(advised_end), end - advised_end, MADV_HUGEPAGE);
  advised_end = end;
}

}  // namespace korvex
