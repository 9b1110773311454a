// Internals shared by the evaluator's sources: evaluation with a nesting
// depth, and the mark that lets a computed negative value stand as an
// operand.
//
// A user may not write a negative operand (EXPR(-1) and EXPR(2*-3) are not
// numeric), but a parenthesis group or an inner EXPR form that computes to a
// negative value is a valid operand: EXPR((1-8)+1) is -6. Such a value is put
// back into the expression text as kNegativeMark followed by its digits, a
// form no user writes and the operand check accepts; results leave the
// evaluator as plain signed decimal. Very long values travel as tokens into
// a table of held values instead (below).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bignum/big_integer.h"
#include "text/line.h"

namespace korvex {

inline constexpr char kNegativeMark = '\x01';

// A computed value of more than kHeldBits bits is not written out in decimal
// (which costs time quadratic in its length) but kept in the evaluation's
// table and put into the text as kHeldMark followed by its table index.
inline constexpr char kHeldMark = '\x02';
inline constexpr std::uint64_t kHeldBits = 65536;
using HeldValues = std::vector<BigInteger>;

// The value of a text of decimal digits; line error 349 when it exceeds
// kMaxValueBits (checked before a long text is converted).
BigInteger digits_value(RunContext& run, const Line& line, const std::string& digits);

// The value as expression text: digits, kNegativeMark and digits, or a
// held-value token.
std::string value_text(const BigInteger& v, HeldValues& held);

// A word as the user should see it: marks and tokens written as numbers.
std::string shown_word(const std::string& word, const HeldValues& held);

// The expression's value; `depth` counts the enclosing groups and forms.
BigInteger calc_value(RunContext& run, const Line& line, std::string e, int depth,
                      HeldValues& held);

// get_expr with a nesting depth; `marked` puts the value back as value_text.
std::string get_expr_at(RunContext& run, const Line& line, std::string text, int depth, bool marked,
                        HeldValues& held);

std::string calc_float_at(RunContext& run, const Line& line, std::string left,
                          const std::string& op, std::string right, int depth, HeldValues& held);

}  // namespace korvex
