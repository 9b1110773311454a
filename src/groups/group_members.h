// Building group members from definition lines: member lines with their SON
// sub-members, group lines that copy selected members of another group, and
// the inverted copy of a group.
#pragma once

#include <string>
#include <vector>

#include "groups/group.h"
#include "text/line.h"

namespace korvex {

// Reads a member line "name width dir [SON(attr value) ...]" into `member`.
// Returns 1 when a member was produced, 0 when its width is "0" (dropped).
int build_group_Signl(const Line& line, Signl& member);

// Appends the members that the group line selects ("GROUP name" with
// selectors, prefix_p and suffix_s) to `work` from `position` on, named
// p + name + s. Returns the number written. Copied members keep their
// sub-members.
int add_Signls(RunContext& run, const Line& line, int position, const Groups& table,
               std::vector<Signl>& work);

// Fills entry `index` from the line "GROUP name inverts source": the
// source's members with input and output exchanged, without sub-members.
void set_invert_group(const Line& line, int index, Groups& table);

// When the text holds "}", strips its leading and trailing blanks.
void isolate_close(std::string& text);

// The name of a definition header: the word after the first "GROUP ".
std::string get_header_name(std::string_view text);

}  // namespace korvex
