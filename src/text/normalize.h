// Statement normalisation: read lines become one statement per record, in
// the shapes the passes expect.
#pragma once

#include <string>

#include "swaps/swap.h"
#include "text/line.h"

namespace korvex {

// Normalises `in` (which it empties) into `out`. Unparsed lines (between
// ENDPARSE and STARTPARSE) go to `ignored`, written from its position 0 on,
// with an "IGNOREPARSE" placeholder in `out`. `swaps` are the command swaps
// applied to INCLUDE names; `defmode` is 1 for the definition stream, where
// each INCLUDE is replaced by the statements of its file; `cmdfile` is the
// command-line definition file. Returns the number of statements plus one.
int set_lines(Lines& in, Lines& out, Lines& ignored, const Swaps& swaps, int defmode,
              const std::string& cmdfile);

}  // namespace korvex
