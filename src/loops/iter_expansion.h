// ITER ... ENDITER expansion and CONCAT folding.
#pragma once

#include "loops/loop.h"
#include "text/line.h"

namespace korvex {

int insert_iters(RunContext& run, Lines& lines, const Loops& table);

}  // namespace korvex
