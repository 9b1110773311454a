// The INCLUDE statements of the source, which are moved into the definition
// stream (where include splicing replaces each by its file's statements).
#pragma once

#include "text/line.h"

namespace korvex {

// Moves the INCLUDE statements of `lines` into `incl`.
void set_includes(RunContext& run, Lines& lines, Lines& incl);

}  // namespace korvex
