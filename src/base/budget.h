// Run-wide work budgets. Each limit on a single value or line still lets
// loops, groups and swaps multiply work: a loop of lines that each hold a
// huge value or a long DUPL. These budgets count the work of the whole run
// (child files included) and stop it with a line error once it passes the
// limit of base/limits.h.
#pragma once

#include <cstdint>

#include "base/line_record.h"
#include "base/run_state.h"

namespace korvex {

// Counts `bytes` of generated or lengthened text made for `line`; line error
// 358 past max(kGeneratedTextFloor, kGeneratedTextPerLine * MAX_LINES).
void charge_text(RunContext& run, const Line& line, std::uint64_t bytes);

// Counts `units` of big-number work done for `line`; line error 359 past
// kMaxArithWork. Charged before the work.
void charge_arith(RunContext& run, const Line& line, std::uint64_t units);

// The words of a value of `bits` bits, at least 1.
inline std::uint64_t words_of_bits(std::uint64_t bits) { return bits / 64 + 1; }

}  // namespace korvex
