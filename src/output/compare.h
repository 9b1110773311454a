// Compare mode: each generated line is compared with the line at the same
// position of the existing file; differences go to the report korvex.diff and
// a summary is printed at the end of the run.
#pragma once

#include "output/output_state.h"
#include "text/line.h"

namespace korvex {

// 1 when the texts differ (a text that is the name of an empty line counts
// as an empty one), after writing a report entry; 0 otherwise.
int compare_lines(OutputState& output, const Line& generated, const Line& existing);

// A line of the existing file beyond the generated ones, empty or not: a
// report entry with an empty generated side; always 1.
int compare_extra_line(OutputState& output, const Line& existing);

void print_comp(OutputState& output, int differences);

}  // namespace korvex
