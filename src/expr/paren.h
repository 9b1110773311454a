// The parenthesis search that every inline form uses to find its argument.
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

// The first balanced parenthesis group of `text`: with `inner` = 1 the text
// strictly between the parentheses, with `inner` = 0 the group including
// them. A group that does not close is line error 300 against `line`.
std::string get_paren(const Line& line, const std::string& text, int inner);

}  // namespace korvex
