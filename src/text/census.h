// The directive census: how many lines mention each kind of directive. The
// counts decide which passes run, how large the group and loop tables are,
// and how many builds a file has. A line counts when its text (with every
// ".GLOBAL" removed) contains the keyword anywhere.
#pragma once

#include <cstdint>
#include <string>

#include "text/line.h"

namespace korvex {

struct cntr {
  int include_count = 0;
  int line_count = 0;
  int group_count = 0;
  int loop_count = 0;
  int iter_count = 0;
  int swap_count = 0;
  int define_count = 0;
  int true_ifdef_count = 0;
  int expr_count = 0;
  int dupl_count = 0;
  int stomp_count = 0;
  int outfile_count = 0;
  int outdir_count = 0;
  int list_count = 0;
  int build_count = 0;
  int verify_count = 0;
  int create_count = 0;
  int const_count = 0;
  int check_count = 0;
  int ports_count = 0;
  int case_count = 0;

  bool operator==(const cntr&) const = default;
};

// Adds the counts of `lines` to `census` (it is not cleared first).
void count(const Lines& lines, cntr& census);

// Adds the counts of one line's text, for a pass that walks the lines anyway.
void count_line(const LineText& text, cntr& census);

}  // namespace korvex
