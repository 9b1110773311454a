// The command line: options, positional file names, the help and version
// texts, and the include search list they build.
#pragma once

#include <optional>
#include <string>

#include "base/options.h"
#include "base/run_state.h"
#include "defines/def.h"
#include "output/output_state.h"

namespace korvex {

std::string get_help(const Options& options);
void print_help(const Options& options);

// Fills the options, the trace and the -o file and compare report of the
// run, the two file names and the command-line define
// list. Returns the command-flags string when a run is to be made, and
// nothing when the run ends here with status 0 (help, version, usage).
std::optional<std::string> parse_flags(Options& options, RunState& state, OutputState& output,
                                       int argc, const char* const* argv, std::string& source,
                                       std::string& definition, Defs& cmd_defs);

}  // namespace korvex
