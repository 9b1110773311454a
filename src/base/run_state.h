// What a run accumulates while it goes: the trace file, the work its budgets
// count, and the CREATE chain and build that error messages name.
#pragma once

#include <cstdint>
#include <fstream>

#include "base/line_record.h"

namespace korvex {

struct RunState {
  std::ofstream debugfile;
  bool debug_deferred = false;  // an existing trace, emptied once the run's files are named

  // The CREATE chain: one entry per nesting level being processed.
  Lines create_tree;
  int create_index = 0;
  // The build being processed when its file has several builds (or is the
  // child of one that has), else -1: error locations name it.
  int error_build = -1;

  // Work done so far in the run, held to the budgets of base/budget.h.
  std::uint64_t generated_bytes = 0;
  std::uint64_t arith_work = 0;
  // Bytes of input read in the run, each file once (text/input_files.h).
  std::uint64_t input_bytes = 0;
};

// The one instance, until every pass takes it as a parameter.
extern RunState run_state;

}  // namespace korvex
