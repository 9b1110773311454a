// What a run accumulates while it goes: the trace file, the work its budgets
// count, and the CREATE chain that error messages name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/lazy_stream.h"
#include "base/line_record.h"
#include "base/options.h"
#include "base/run_inputs.h"

namespace korvex {

struct RunState {
  LazyStream debugfile;
  bool debug_deferred = false;  // an existing trace, emptied once the run's files are named

  // The CREATE chain: one entry per nesting level being processed.
  Lines create_tree;
  int create_index = 0;
  // The source of every file being created, outermost first, as real paths:
  // a file that creates one of them again would recurse without end.
  std::vector<std::string> source_chain;

  // Work done so far in the run, held to the budgets of base/budget.h.
  std::uint64_t generated_bytes = 0;
  std::uint64_t arith_work = 0;
  RunInputs inputs;

  // What a pass keeps for its later calls in the run, of a type this layer
  // does not know: the name matcher of the last large swap table.
  std::shared_ptr<void> swap_matcher;
};

// What a pass reads and writes of its run besides its own lines and tables:
// the options, read only, and the run state. The entry point makes one per
// run; nothing of it outlives the run.
struct RunContext {
  const Options& options;
  RunState& state;
};

}  // namespace korvex
