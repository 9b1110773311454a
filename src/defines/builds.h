// Builds: BUILD ... ENDBUILD blocks of the definition lines.
#pragma once

#include "text/line.h"

namespace korvex {

void set_builds(RunContext& run, Lines& lines);
void remove_builds(RunContext& run, Lines& lines, int build);

}  // namespace korvex
