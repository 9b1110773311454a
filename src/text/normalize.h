// Statement normalisation: read lines become one statement per record, in
// the shapes the passes expect.
#pragma once

#include <functional>
#include <string>

#include "text/line.h"

namespace korvex {

// The stream being normalised: the definition stream takes no unparsed
// regions and no OUTFILE, and has its INCLUDE statements spliced.
enum class Stream { kSource, kDefinition };

// Appends to `out` the statements of the file an INCLUDE statement `statement`
// of record `rec` names (their unparsed lines to `ignored`).
using IncludeSplicer = std::function<void(const Line& rec, const std::string& statement,
                                          Lines& out, Lines& ignored)>;

// Normalises `in` (which it empties) into `out`. Unparsed lines (between
// ENDPARSE and STARTPARSE) go to `ignored`, written from its position 0 on,
// with an "IGNOREPARSE" placeholder in `out`. In the definition stream each
// INCLUDE statement is handed to `include`. Returns the number of
// statements plus one.
int set_lines(RunContext& run, Lines& in, Lines& out, Lines& ignored, Stream stream,
              const IncludeSplicer& include = {});

}  // namespace korvex
