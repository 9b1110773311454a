// Groups that refer to themselves through their own members.
//
// A member text may hold a group reference (a member named GROUP_b makes
// group a expand into group b's members on the next round). When such
// references lead back to the group itself, every round of expansion puts
// the reference back, so the rounds would never end; the quiet rounds leave
// these groups to the final expansion, which expands them once.
#pragma once

#include <vector>

#include "groups/group.h"

namespace korvex {

// One flag per table entry: the group lies on a cycle of references made by
// member texts (name, width, direction, sub-member values).
std::vector<char> get_cyclic_groups(const Groups& table);

}  // namespace korvex
