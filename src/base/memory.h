// Process memory for large runs.
//
// A run of a million lines allocates a hundred megabytes and more (a record
// per line, a block for each longer text) and touches every page of it once.
// On small pages that is one page fault per 4 KiB; on transparent huge pages
// it is one per 2 MiB. Korvex keeps its heap in one contiguous region grown
// in large steps and asks the kernel to back it with huge pages.
#pragma once

#include <cstddef>

#include "base/line_record.h"

namespace korvex {

// Sets the allocator up for large runs: no separate mappings for large
// blocks, the heap grown in large steps and never handed back. Call once,
// first thing in main().
void prepare_memory();

// Asks for huge pages on every part of the heap not yet covered; on its
// first 8 MiB only once the heap has grown beyond them, so that a run of a
// small file stays on small pages. Cheap when nothing changed; call after
// reserving a large array.
void advise_memory();

// Keeps `lines` to the end of the process without freeing them: freeing a
// million texts one by one costs more than the whole exit.
void leave_to_exit(Lines&& lines);

}  // namespace korvex
