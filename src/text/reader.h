// Reading a file into a line array, with the directive language's remarks
// ("##" to the end of the line, "<##" ... "##>" blocks) removed on the way.
// Verilog comments are ordinary text here and pass through unchanged.
#pragma once

#include <string>

#include "base/run_state.h"
#include "text/line.h"

namespace korvex {

// Reads `path` into `lines` (replacing their content); returns the number of
// records stored. A final newline yields one more, empty, record.
int read_file(RunContext& run, std::string path, Lines& lines);

// The text of `line` without remarks, given the block-remark depth at the
// start of the line; updates `depth` and may set the line's remark.
std::string remove_remark(Line& line, int& depth);

}  // namespace korvex
