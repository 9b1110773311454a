// The command line: options, positional file names, the help and version
// texts, and the include search list they build.
#pragma once

#include <optional>
#include <string>

#include "defines/def.h"

namespace korvex {

std::string get_help();
void print_help();
void open_debug();

// Fills the run settings, the two file names and the command-line define
// list. Returns the command-flags string when a run is to be made, and
// nothing when the run ends here with status 0 (help, version, usage).
std::optional<std::string> parse_flags(int argc, const char* const* argv, std::string& source,
                                       std::string& definition, Defs& cmd_defs);

}  // namespace korvex
