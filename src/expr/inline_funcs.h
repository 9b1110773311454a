// The inline value forms of the source lines: EXPR, DUPL, BIN, OCT, HEX,
// UCASE, LCASE and CONST, and (through stomp.h) the STOMP statement.
#pragma once

#include <string>

#include "expr/stomp.h"
#include "text/line.h"

namespace korvex {

// Replaces every EXPR, then DUPL, then BIN, OCT and HEX form of each line;
// returns the number of lines changed.
int insert_expr(RunContext& run, Lines& lines);

// The same for one line; 1 when it changed, else 0. The line's pending flag
// is set to the result.
int line_expr(RunContext& run, Line& line);

// Replaces every DUPL form; 1 when any line changed, else 0.
int insert_dupl(RunContext& run, Lines& lines);

// The line's text with its first DUPL form (and every identical copy)
// replaced by the item repeated `count` times.
std::string get_dupl(RunContext& run, const Line& line);

// Replaces every UCASE and LCASE form by its argument in upper or lower case.
void insert_case(Lines& lines);

// Replaces every CONST form by its argument.
void remove_const(Lines& lines);

}  // namespace korvex
