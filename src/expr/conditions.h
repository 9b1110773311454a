// Conditions: the TRUE(...) / VERIFY(...) form reduced to "TRUE" or "FALSE",
// the comparison-sign finder of group member conditions, and the VERIFY
// statement.
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

// "TRUE" or "FALSE" when `text` holds `key` + "(", else `text` unchanged. A
// condition that still holds a letter is "FALSE".
std::string get_true(RunContext& run, const Line& line, const std::string& text,
                     const std::string& key);

// The first of "<=", ">=", "<", ">", "!=", "==", "=" that `text` contains;
// none is line error 340.
std::string get_true_op(const Line& line, const std::string& text);

// Evaluates and deletes every VERIFY statement; failures are general error
// 118 listing each failed statement.
void check_verify(RunContext& run, Lines& lines);

}  // namespace korvex
