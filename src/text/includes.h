// INCLUDE statements: those of the source are moved into the definition
// stream; each INCLUDE of the definition stream is replaced, recursively, by
// the normalised statements of the file it names.
#pragma once

#include <string>

#include "swaps/swap.h"
#include "text/line.h"

namespace korvex {

// Moves the INCLUDE statements of `lines` into `incl`.
void set_includes(Lines& lines, Lines& incl);

// The INCLUDE step of definition-mode normalisation for statement `s` of
// record `rec`: appends the included file's statements to `out`.
void include_file(const Line& rec, std::string s, Lines& out, Lines& ignored, const Swaps& swaps,
                  int defmode, const std::string& cmdfile);

}  // namespace korvex
