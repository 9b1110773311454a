// The integer expression evaluator: EXPR, and LOG2 through the @ operator
// (normalisation rewrites "LOG2(" into "EXPR(2@").
//
// Expressions have no precedence: operands and operators are evaluated
// strictly from left to right, parentheses being the only grouping. Values
// are big integers; operands are unsigned decimal digits, and the only
// arithmetic on numbers with a decimal point is comparison.
#pragma once

#include <string>

#include "bignum/big_integer.h"
#include "text/paren_checks.h"
#include "text/line.h"

namespace korvex {

// The text with its first EXPR form, and every identical copy of it,
// replaced by the form's value in signed decimal.
std::string get_expr(RunContext& run, const Line& line, std::string text);

// The value of a blank-separated expression, in signed decimal.
std::string calc_expr(RunContext& run, const Line& line, std::string e);

// True when the word, blanks removed, is all decimal digits ("" included).
// Otherwise false when `quiet`, else line error 303 naming `label`.
bool check_numeric(const Line& line, std::string word, const std::string& label, int quiet);

// Blanks removed, then decimal text to value.
BigInteger string_to_big_int(std::string text);

}  // namespace korvex
