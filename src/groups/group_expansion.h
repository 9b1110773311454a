// GROUP_ references: expansion into one line per member, GONCAT lists and
// declarations.
#pragma once

#include <string>

#include "groups/group.h"
#include "swaps/swap.h"
#include "text/line.h"

namespace korvex {

// Expands the first group reference of every line. `changed`, when given,
// is set to 1 when any line was rewritten and to 0 otherwise.
int insert_groups(Lines& lines, const Groups& table, int quiet, int* changed = nullptr);
std::string get_msb(const std::string& width);

}  // namespace korvex
