// GROUP definitions: is, overrides, extends, joins and inverts.
//
// set_groups reads the definition lines in four passes, in this order:
// removal of overridden definitions, is/overrides, extends, then inverts and
// joins in file order. So extends sees every is group wherever it stands,
// and joins/inverts see every group made before them.
#pragma once

#include "groups/group.h"
#include "groups/group_members.h"
#include "text/line.h"

namespace korvex {

void set_groups(RunContext& run, Lines& lines, Groups& table);

// Empties the lines of every is, joins, extends and inverts definition of a
// name that an overrides definition also defines.
void set_groups_pass0(RunContext& run, Lines& lines);

// Each takes the current group count and returns the new one.
int set_groups_pass1(RunContext& run, int count, const Lines& lines,
                     Groups& table);  // is, overrides
int set_groups_pass2(RunContext& run, int count, const Lines& lines, Groups& table);  // extends
int set_groups_pass3(RunContext& run, int count, const Lines& lines,
                     Groups& table);  // inverts, joins

}  // namespace korvex
