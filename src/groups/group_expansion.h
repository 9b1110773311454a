// GROUP_ references: expansion into one line per member, .NUM counts,
// GONCAT lists and declarations.
//
// One call expands the first group reference of every line; the pipeline
// calls it in quiet rounds (unknown groups left alone) until nothing is
// left to do, and once more at the end with unknown groups reported.
#pragma once

#include <string>

#include "groups/declarations.h"
#include "groups/group.h"
#include "swaps/swap.h"
#include "text/line.h"

namespace korvex {

// The group pass being made: one of the repeated passes, which leave unknown
// groups and references that would bring themselves back for later, or the
// final pass, which expands every reference and reports an unknown group.
enum class GroupPass { kRepeated, kFinal };

// Expands the first group reference of every line. Returns the index of
// the group of the last line holding "GROUP_" (-1 when there is none or it
// is unknown). `changed`, when given, is set to 1 when any line was
// rewritten, expanded or removed, and to 0 otherwise.
int insert_groups(RunContext& run, Lines& lines, const Groups& table, GroupPass pass,
                  int* changed = nullptr);

// Takes every .PARAM(symbol value) out of `ref` into `params` (cleared
// first): the member texts of this line get symbol replaced by value.
void get_group_params(const Line& line, std::string& ref, Swaps& params);

}  // namespace korvex
