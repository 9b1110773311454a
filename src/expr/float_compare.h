// Comparison of numbers written with a decimal point, the one operation the
// evaluator allows on them: EXPR(1.5>1.25) is 1, EXPR(1.5+1) is an error.
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

// "1" or "0" for `left op right`; op must be a comparison (line error 348).
std::string calc_float(RunContext& run, const Line& line, std::string left, const std::string& op,
                       std::string right);

// The text with ".0" appended when it holds no ".".
std::string fix_float(std::string text);

}  // namespace korvex
