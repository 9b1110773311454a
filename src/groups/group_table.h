// The group table: storing member lists, lookup of a group by name, the
// selection of members that a group reference asks for, and the debug
// listing.
//
// A reference is GROUP_<name> followed by optional selectors: .IN and .OUT
// filter by direction, [n] picks one member, .SON(attr op value) keeps the
// members whose sub-member attr passes the comparison. Lookup takes the
// longest group name that begins the name text, so GROUP_axi_rd.IN finds
// axi_rd rather than axi.
#pragma once

#include <string>
#include <vector>

#include "groups/group.h"
#include "text/line.h"

namespace korvex {

// Gives group `index` a member list copied from the first `n` working
// members (sub-members included) and sets its member_count to `n`.
void set_group(int index, int n, const std::vector<Signl>& work, Groups& table);

// Gives group `target` copies of the name, width and dir of every member of
// group `source` (no sub-members) and adds the source's count to its own.
void copy_Signls(int source, int target, Groups& table);

// Index of the group named by `name` (blanks removed): with `exact` the entry
// whose name equals it, otherwise the longest entry name that begins it.
// Not found is -1, and line error 308 unless `quiet`.
int get_group_index(const Line& line, std::string name, const Groups& table, int quiet,
                    int exact);

// The .SON condition of the line, if any: the position of the tested
// sub-member among the group's first member's sub-members (-1 when the line
// has no .SON or the name is unknown), the selector text to remove and the
// test text (operator and value). `fits` is false for a condition that does
// not read "attr op value".
struct SonTest {
  int index = -1;
  bool fits = true;
  std::string selector;
  std::string test;
};
SonTest get_son_index(const Line& line, const Group& group);

// The [n] selector of the reference: true when the reference has one, with
// `k` the index read (clamped to int, negative possible) and `selector` the
// text to replace by the group name. A k at or beyond the member count is
// line error 344.
bool get_member_index(const Line& line, const Group& group, const std::string& ref, long long& k,
                      std::string& selector);

// Selects the members the reference text asks for, in group order, into
// `result` (positions in the group), removes the selectors from `ref` and
// returns the number selected. Unknown group: line error 308. `group`, when
// given, receives the index of the group selected from.
int get_group_members(RunContext& run, const Line& line, std::vector<int>& result,
                      const Groups& table, std::string& ref, int* group = nullptr);

// Lists the first `n` groups to the trace (debug only).
void print_debug_groups(RunContext& run, const Groups& table, int n);

// The name text of a reference: what follows the first "GROUP_" up to the
// next blank.
std::string get_group_name_text(std::string_view text);

}  // namespace korvex
