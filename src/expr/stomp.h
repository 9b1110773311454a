// The STOMP statement, which edits the lines before it and is then deleted:
// "STOMP NEWLINE" joins the next line onto the last line above that is not
// a STOMP statement, "STOMP LINE" deletes the line above, and "STOMP S R"
// replaces the last S of the nearest line above holding S by R.
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

void remove_stomp(RunContext& run, Lines& lines);

// The nearest line at or above `index` that holds no STOMP; line error 329
// naming `search` when there is none.
int get_stomp_line(const Lines& lines, int index, const std::string& search);

}  // namespace korvex
