// The swap table and text substitution.
#pragma once

#include <string>

#include "defines/def.h"
#include "swaps/swap.h"
#include "text/census.h"
#include "text/line.h"

namespace korvex {

int set_swaps(RunContext& run, const Lines& lines, Swaps& table, int build);
int get_swap_index(const Swaps& table, const std::string& name);
int insert_swaps(RunContext& run, Lines& lines, const Swaps& table, Scope scope);
void swap_line_single(std::string& text, const Swap& swap);
void swap_line(std::string& text, const Swaps& table);
void swap_str(std::string& text, const Swap& swap);
void group_swap(std::string& text, const Swaps& table);
// One substitution run: the swaps, then the conditional blocks and DVALs, of
// the lines in `scope`, each only when the census counted some (the final
// run, over every line, always makes both); then no line is pending.
void insert_swaps_defs(RunContext& run, cntr census, Lines& lines, const Swaps& swaps,
                       const Defs& defs, Scope scope);

}  // namespace korvex
