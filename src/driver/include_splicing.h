// Include splicing: the definition stream normalised with each INCLUDE
// statement replaced, recursively, by the normalised statements of the file
// it names.
#pragma once

#include <string>

#include "swaps/swap.h"
#include "text/line.h"

namespace korvex {

// Normalises the definition stream `in` (which it empties) into `out`, as
// set_lines does, splicing in the file of each INCLUDE. An INCLUDE name is
// taken through the command swaps `swaps` and EXPR; `cmdfile`, the
// command-line definition file, may not be included. Returns the number of
// statements plus one.
int set_definition_lines(RunContext& run, Lines& in, Lines& out, Lines& ignored, const Swaps& swaps,
                         const std::string& cmdfile);

}  // namespace korvex
