// Comparison of decimal-point numbers by parts: the integer parts compare as
// integers; the fraction parts, padded with trailing zeros to one length,
// compare as integers too, and decide when the integer parts are equal.
#include "expr/float_compare.h"

#include "base/errors.h"
#include "expr/evaluator_detail.h"
#include "text/strings.h"

namespace korvex {

namespace {

bool holds(RunContext& run, const Line& line, const std::string& a, const char* sign,
           const std::string& b, int depth, HeldValues& held) {
  return calc_value(run, line, a + sign + b, depth, held) == BigInteger(1);
}

}  // namespace

std::string fix_float(std::string text) {
  if (!match(text, ".")) text += ".0";
  return text;
}

std::string calc_float_at(RunContext& run, const Line& line, std::string left,
                          const std::string& op, std::string right, int depth, HeldValues& held) {
  std::string left_int, left_frac, right_int, right_frac;
  splitstring(fix_float(std::move(left)), ".", left_int, left_frac);
  splitstring(fix_float(std::move(right)), ".", right_int, right_frac);

  const bool int_eq = holds(run, line, left_int, " == ", right_int, depth, held);
  const bool int_gt = holds(run, line, left_int, " > ", right_int, depth, held);
  const bool int_lt = holds(run, line, left_int, " < ", right_int, depth, held);
  if (left_frac.size() < right_frac.size()) left_frac.resize(right_frac.size(), '0');
  if (right_frac.size() < left_frac.size()) right_frac.resize(left_frac.size(), '0');
  const bool frac_eq = holds(run, line, left_frac, " == ", right_frac, depth, held);
  const bool frac_gt = holds(run, line, left_frac, " > ", right_frac, depth, held);
  const bool frac_lt = holds(run, line, left_frac, " < ", right_frac, depth, held);

  const bool eq = int_eq && frac_eq;
  const bool lt = int_lt || (int_eq && frac_lt);
  const bool gt = int_gt || (int_eq && frac_gt);
  bool result;
  if (op == "==") {
    result = eq;
  } else if (op == "!=") {
    result = !eq;
  } else if (op == "<=") {
    result = eq || lt;
  } else if (op == ">=") {
    result = eq || gt;
  } else if (op == "<") {
    result = lt;
  } else if (op == ">") {
    result = gt;
  } else {
    linerr(Err::FLOAT_OPERATOR, line, shown_word(op, held));
  }
  return result ? "1" : "0";
}

std::string calc_float(RunContext& run, const Line& line, std::string left, const std::string& op,
                       std::string right) {
  HeldValues held;
  return calc_float_at(run, line, std::move(left), op, std::move(right), 0, held);
}

}  // namespace korvex
