// The integer expression evaluator (EXPR, and LOG2 through the @ operator).
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

std::string get_expr(const Line& line, std::string text);
std::string calc_expr(const Line& line, std::string e);
void check_paren(const Line& line);
void check_expr(const Line& line);

}  // namespace korvex
