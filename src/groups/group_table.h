// The group table: lookup by name, member selection and the debug listing.
#pragma once

#include <string>
#include <vector>

#include "groups/group.h"
#include "text/line.h"

namespace korvex {

void set_group(int index, int n, const std::vector<Signl>& work, Groups& table);
void copy_Signls(int source, int target, Groups& table);
int get_group_index(const Line& line, std::string name, const Groups& table, int quiet,
                    int exact);
int get_group_members(const Line& line, std::vector<int>& result, const Groups& table,
                      std::string& ref);
void print_debug_groups(const Groups& table, int n);

}  // namespace korvex
