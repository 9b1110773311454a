// The inline value forms of the source lines: EXPR, DUPL, BIN, OCT, HEX,
// UCASE, LCASE, CONST, and the STOMP statement.
#pragma once

#include "text/line.h"

namespace korvex {

int insert_expr(Lines& lines);
int line_expr(Line& line);
int insert_dupl(Lines& lines);
void insert_case(Lines& lines);
void remove_const(Lines& lines);
void remove_stomp(Lines& lines);

}  // namespace korvex
