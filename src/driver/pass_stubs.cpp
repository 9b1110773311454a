// Stand-ins for passes that are still being built: each does nothing, so a
// source runs end to end meanwhile. A pass's own definition replaces its
// stand-in at link time. This file goes away when every pass is in.
#include "defines/builds.h"
#include "defines/conditional_blocks.h"
#include "defines/define_table.h"
#include "expr/conditions.h"
#include "expr/evaluator.h"
#include "expr/inline_funcs.h"
#include "groups/group_definitions.h"
#include "groups/group_expansion.h"
#include "groups/ports.h"
#include "loops/iter_expansion.h"
#include "loops/loop_expansion.h"
#include "loops/loop_table.h"
#include "swaps/check.h"
#include "swaps/swap_table.h"
#include "text/checks.h"

#define KORVEX_STUB [[gnu::weak]]

namespace korvex {

KORVEX_STUB int set_defs(const Lines&, Defs& table, const Defs&) { table.clear(); return 0; }
KORVEX_STUB int get_def_index(const Line&, const std::string&, const Defs&) { return -1; }
KORVEX_STUB void insert_defs(Lines&, const Defs&, int, int) {}
KORVEX_STUB void remove_ifdef_true(Lines&, Lines&) {}
KORVEX_STUB void set_builds(Lines&) {}
KORVEX_STUB void remove_builds(Lines&, int) {}
KORVEX_STUB int set_swaps(const Lines&, Swaps& table, int build) {
  table.clear();
  table.push_back({"BUILD_NUM", std::to_string(build), false, false});
  table.push_back({"VERSION", "1.2", false, false});
  return 2;
}
KORVEX_STUB int insert_swaps(Lines&, const Swaps&, int) { return 0; }
KORVEX_STUB void swap_line(std::string&, const Swaps&) {}
KORVEX_STUB void insert_swaps_defs(cntr, Lines& lines, const Swaps&, const Defs&, int) {
  clean_append(lines);
}
KORVEX_STUB void check_swaps(Lines&, const Swaps&) {}
KORVEX_STUB void set_loops(const Lines&, Loops&) {}
KORVEX_STUB int insert_loops(Lines&, const Loops&) { return 0; }
KORVEX_STUB int insert_iters(Lines&, const Loops&) { return 0; }
KORVEX_STUB void check_lines(const Lines&) {}
KORVEX_STUB void check_def_lines(const Lines&) {}
KORVEX_STUB void set_groups(Lines&, Groups&) {}
KORVEX_STUB int insert_groups(Lines&, const Groups&, int, int* changed) {
  if (changed) *changed = 0;
  return -1;
}
KORVEX_STUB void insert_ports(Lines&) {}
KORVEX_STUB std::string get_expr(const Line&, std::string text) { return text; }
KORVEX_STUB void check_verify(Lines&) {}
KORVEX_STUB int insert_expr(Lines&) { return 0; }
KORVEX_STUB int insert_dupl(Lines&) { return 0; }
KORVEX_STUB void insert_case(Lines&) {}
KORVEX_STUB void remove_const(Lines&) {}
KORVEX_STUB void remove_stomp(Lines&) {}

}  // namespace korvex
