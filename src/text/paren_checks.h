// The parenthesis checks that the structural checks run on every statement
// holding a keyword that takes a parenthesised argument.
#pragma once

#include "text/line.h"

namespace korvex {

// A ")" with nothing open is line error 314 (with its column, counted from
// 1); an unclosed "(" at the end is line error 315.
void check_paren(const Line& line);

// A keyword of paren_keywords that is not directly followed by "(" (blanks
// ignored) is line error 313.
void check_expr(const Line& line);

}  // namespace korvex
