// CHECK statements: a swap that must be defined.
#pragma once

#include "swaps/swap.h"
#include "text/line.h"

namespace korvex {

void check_swaps(RunContext& run, Lines& lines, const Swaps& table);

}  // namespace korvex
