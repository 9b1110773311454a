// CREATE statements: child files generated from other sources in the same
// run, with the parent's global swaps, defines and loops and the DEFCMD
// statements handed down.
#pragma once

#include <string>

#include "defines/def.h"
#include "loops/loop.h"
#include "output/output_state.h"
#include "swaps/swap.h"
#include "text/line.h"

namespace korvex {

// Runs the file of every CREATE statement of `lines` as a child, build
// `build` of the parent (whose errors name its build when `builds_named`),
// then deletes the statements. Returns the differences found in compare mode.
int insert_create(RunContext& run, OutputState& output, const std::string& flags, int level,
                  const std::string& source, Lines& lines, const Defs& cmd_defs, const Swaps& swaps,
                  const Defs& defs, const Loops& loops, int build, bool builds_named);

// Marks the source and definition file of every CREATE statement of `lines`
// as inputs of the run before the parent's output is opened, which may then
// not overwrite them. A file not found is left for insert_create to report.
void note_create_inputs(RunContext& run, const Lines& lines);

// The forwarded lines of one CREATE statement (without its DEFCMD part).
Lines forwarded_lines(const Line& create, const Swaps& swaps, const Defs& defs,
                      const Loops& loops, const std::string& defcmds);

// Keeps the canonical path of each source being processed, outermost first.
class SourceChain {
 public:
  SourceChain(RunState& state, const std::string& source);
  ~SourceChain();
  SourceChain(const SourceChain&) = delete;
  SourceChain& operator=(const SourceChain&) = delete;

 private:
  RunState& state_;
};

}  // namespace korvex
