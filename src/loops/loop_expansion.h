// LOOP ... ENDLOOP expansion, one nesting level per call.
#pragma once

#include "loops/loop.h"
#include "text/line.h"

namespace korvex {

int insert_loops(RunContext& run, Lines& lines, const Loops& table);

}  // namespace korvex
