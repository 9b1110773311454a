// File lists: the run list of -list and the per-file list of a LIST
// statement, one generated file per line, indented by CREATE level.
#pragma once

#include <string>

#include "output/output_state.h"
#include "text/line.h"

namespace korvex {

// Reads the LIST statement of the definition lines and deletes it; returns
// the list's name ("" without one).
std::string set_filelist(RunContext& run, Lines& lines);

// Writes the list `name` from `entries`; with `clear` the entries and the
// name are emptied afterwards.
void print_filelist(RunContext& run, OutputState& output, std::string& name, Lines& entries,
                    bool clear);

}  // namespace korvex
