// Compare mode: each generated line is compared with the line at the same
// position of the existing file; differences go to the report korvex.diff and
// a summary is printed at the end of the run.
#pragma once

#include "text/line.h"

namespace korvex {

// 1 when the texts differ (the empty-line marker counting as an empty text),
// after writing a report entry; 0 otherwise.
int compare_lines(const Line& generated, const Line& existing);

void print_comp(int differences);

}  // namespace korvex
