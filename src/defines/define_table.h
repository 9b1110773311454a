// The define table: DEFINE, UNDEF and -d defines, and the lookup by name
// (a TRUE(...) condition name is decided before the lookup).
#pragma once

#include <string>

#include "defines/def.h"
#include "text/line.h"

namespace korvex {

// Rebuilds `table` from the command-line defines, "TRUE", and the DEFINE and
// UNDEF statements of `lines`; returns the number of entries.
int set_defs(RunContext& run, const Lines& lines, Defs& table, const Defs& cmd_defs);

// Index of the first defined entry named `name`, or -1.
int get_def_index(RunContext& run, const Line& line, const std::string& name, const Defs& table);

}  // namespace korvex
