// The EXPR evaluator.
//
// get_expr finds the first EXPR form, evaluates an inner EXPR form first,
// puts blanks around the operators and hands the text to calc_expr. That
// replaces each parenthesis group by its value, innermost work first, and
// then folds the remaining words strictly from left to right. Every operand
// is checked to be digits before it is used, every divisor and LOG2 argument
// before the operation, and every operation that can grow a value is checked
// against kMaxValueBits before it is carried out. How deep a chain of forms
// or groups will nest is found before the descent copies its text
// (expr/nesting.h).
#include "expr/evaluator.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "base/budget.h"
#include "base/errors.h"
#include "bignum/big_text.h"
#include "expr/big_math.h"
#include "expr/evaluator_detail.h"
#include "expr/float_compare.h"
#include "expr/nesting.h"
#include "text/paren.h"
#include "expr/value_guards.h"
#include "text/strings.h"

namespace korvex {

namespace {

// Decimal digits beyond which a value surely exceeds kMaxValueBits
// (10^d > 2^(3.32 d)); shorter texts are converted and then measured.
constexpr std::size_t kMaxValueDigits = kMaxValueBits * 30103 / 100000 + 1;

// The operators, in the order in which blanks are put around them. Two-sign
// operators are taken apart by the one-sign entries and put together again
// by kRejoin.
const char* const kOperators[] = {"+", "-", "*",  "/",  "^",  "%",  "@",  "<<", ">>", "=",
                                  ">", "<", "<=", ">=", "==", "!=", "&&", "||", "^"};
const std::pair<const char*, const char*> kRejoin[] = {
    {"< <", " << "}, {"> >", " >> "}, {"> =", " >= "}, {"< =", " <= "},
    {"= =", " == "}, {"! =", " != "}, {" = ", " == "}};

void space_operators(std::string& e) {
  for (const char* op : kOperators) find_and_replace(e, op, std::string(" ") + op + " ", 0);
  shrink_spaces(e);
  for (const auto& [from, to] : kRejoin) find_and_replace(e, from, to, 0);
}

// The table index that `digits` names, or held.size() when it names none.
std::size_t held_index(const std::string& digits, const HeldValues& held) {
  if (digits.empty() || digits.size() > 9 || !is_number(digits)) return held.size();
  return std::min(static_cast<std::size_t>(std::stoul(digits)), held.size());
}

// The value of an operand word: digits, a marked computed value or a held
// value.
BigInteger operand_value(RunContext& run, const Line& line, std::string word,
                         const HeldValues& held) {
  word.erase(std::remove(word.begin(), word.end(), ' '), word.end());
  if (word.size() > 1 && word[0] == kHeldMark && is_number(word.substr(1))) {
    const std::size_t index = held_index(word.substr(1), held);
    if (index < held.size()) return held[index];
  }
  bool negative = false;
  if (word.size() > 1 && word[0] == kNegativeMark && is_number(word.substr(1))) {
    negative = true;
    word.erase(0, 1);
  } else {
    check_numeric(line, word, "EXPR param", 0);
  }
  BigInteger v = digits_value(run, line, word);
  return negative ? -v : v;
}

// Base-2 logarithm of a non-zero magnitude, to about nine digits.
double approx_log2(const BigUnsigned& m) {
  const std::uint64_t bits = m.bitLength();
  if (bits <= 32) return std::log2(static_cast<double>(m.extractBits(0, 32)));
  return std::log2(static_cast<double>(m.extractBits(bits - 32, 32))) +
         static_cast<double>(bits - 32);
}

BigInteger checked_power(RunContext& run, const Line& line, const BigInteger& a,
                         const BigInteger& b) {
  if (b.getSign() == BigInteger::positive && a.bitLength() > 1) {
    // |a| >= 2, so the result has more than b bits.
    if (b > BigInteger(static_cast<int>(kMaxValueBits))) check_value_bits(line, kMaxValueBits + 1);
    const double estimate = b.toInt() * approx_log2(a.getMagnitude());
    if (estimate > static_cast<double>(kMaxValueBits) + 1.0) {
      check_value_bits(line, kMaxValueBits + 1);
    }
    // Squaring up to the result costs about its word count squared.
    const std::uint64_t words = words_of_bits(static_cast<std::uint64_t>(estimate));
    charge_arith(run, line, words * words);
  }
  return BigPower(a, b);
}

BigInteger shift_left(const Line& line, const BigInteger& a, const BigInteger& b) {
  // A count of 0 or less multiplies by 2^0.
  if (b.getSign() != BigInteger::positive || a.isZero()) return a;
  if (b > BigInteger(static_cast<int>(kMaxValueBits))) check_value_bits(line, kMaxValueBits + 1);
  const auto n = static_cast<std::uint64_t>(b.toInt());
  check_value_bits(line, a.bitLength() + n);
  return a.shiftLeft(n);
}

BigInteger shift_right(const BigInteger& a, const BigInteger& b) {
  if (b.getSign() != BigInteger::positive) return a;
  // Past the last bit the floor quotient is 0, or -1 for a negative value.
  if (b >= BigInteger(BigUnsigned(a.bitLength()), BigInteger::positive)) {
    return a.getSign() == BigInteger::negative ? BigInteger(-1) : BigInteger();
  }
  return a.shiftRight(static_cast<std::uint64_t>(b.toInt()));
}

BigInteger truth(bool b) { return BigInteger(b ? 1 : 0); }

// The LOG2 form the user wrote, for the report of a bad LOG2 argument.
Line as_written(const Line& line) {
  Line shown_line = line;
  find_and_replace(shown_line.text, "EXPR(2@", "LOG2(", 0);
  return shown_line;
}

BigInteger apply_operator(RunContext& run, const Line& line, const BigInteger& a,
                          const std::string& op, const BigInteger& b, const HeldValues& held) {
  if (op == "+") return a + b;
  if (op == "-") return a - b;
  if (op == "*") {
    if (!a.isZero() && !b.isZero()) check_value_bits(line, a.bitLength() + b.bitLength() - 1);
    charge_arith(run, line, words_of_bits(a.bitLength()) * words_of_bits(b.bitLength()));
    return a * b;
  }
  if (op == "/" || op == "%") {
    if (b.isZero()) linerr(Err::DIVISION_BY_ZERO, line);
    charge_arith(run, line, words_of_bits(a.bitLength()) * words_of_bits(b.bitLength()));
    return op == "/" ? a / b : a % b;
  }
  if (op == "^") return checked_power(run, line, a, b);
  if (op == "@") {
    if (b.isZero()) linerr(Err::LOG2_ZERO, as_written(line));
    if (b.getSign() == BigInteger::negative) linerr(Err::LOG2_NEGATIVE, as_written(line));
    return BigLog2(b);
  }
  if (op == "<<") return shift_left(line, a, b);
  if (op == ">>") return shift_right(a, b);
  if (op == "==") return truth(a == b);
  if (op == "!=") return truth(a != b);
  if (op == "<") return truth(a < b);
  if (op == ">") return truth(a > b);
  if (op == "<=") return truth(a <= b);
  if (op == ">=") return truth(a >= b);
  if (op == "&&") return truth(a > BigInteger() && b > BigInteger());
  if (op == "||") return truth(a > BigInteger() || b > BigInteger());
  linerr(Err::UNKNOWN_OPERATOR, line, shown_word(op, held));
}

// The decimal digits of `v`, a conversion that costs its word count squared.
std::string decimal_text(RunContext& run, const Line& line, const BigInteger& v) {
  const std::uint64_t words = words_of_bits(v.bitLength());
  charge_arith(run, line, words * words);
  return bigIntegerToString(v);
}

}  // namespace

BigInteger digits_value(RunContext& run, const Line& line, const std::string& digits) {
  const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
  if (digits.size() - first > kMaxValueDigits) check_value_bits(line, kMaxValueBits + 1);
  // A 64-bit word holds 19 decimal digits.
  const std::uint64_t words = (digits.size() - first) / 19 + 1;
  charge_arith(run, line, words * words);
  BigInteger v = stringToBigInteger(digits);
  check_value(line, v);
  return v;
}

std::string value_text(const BigInteger& v, HeldValues& held) {
  if (v.bitLength() > kHeldBits) {
    held.push_back(v);
    return kHeldMark + std::to_string(held.size() - 1);
  }
  if (v.getSign() != BigInteger::negative) return bigIntegerToString(v);
  return kNegativeMark + bigIntegerToString(-v);
}

std::string shown_word(const std::string& word, const HeldValues& held) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] == kNegativeMark) {
      out += '-';
    } else if (word[i] == kHeldMark) {
      std::size_t end = i + 1;
      while (end < word.size() && word[end] >= '0' && word[end] <= '9') ++end;
      const std::size_t index = held_index(word.substr(i + 1, end - i - 1), held);
      out += index < held.size() ? bigIntegerToString(held[index]) : std::string();
      i = end - 1;
    } else {
      out += word[i];
    }
  }
  return out;
}

BigInteger calc_value(RunContext& run, const Line& line, std::string e, int depth,
                      HeldValues& held) {
  check_expr_depth(line, depth);
  // Groups: each is replaced, with every identical copy, by its value.
  while (match(e, "(")) {
    std::size_t open, close;
    if (!find_paren(e, open, close)) linerr(Err::PAREN_MISMATCH, line);
    check_group_nesting(line, e, open, depth);
    const std::string group = e.substr(open, close - open + 1);
    const BigInteger v = calc_value(run, line, group.substr(1, group.size() - 2), depth + 1, held);
    const std::string value = value_text(v, held);
    check_replace_size(run, line, e, group, value.size());
    find_and_replace(e, group, value, 0);
    find_and_replace(e, "EXPR", "", 0);
  }

  const std::vector<std::string> words = words_of(e);
  if (words.size() == 3 && (match(words[0], ".") || match(words[2], "."))) {
    const std::string r = calc_float_at(run, line, words[0], words[1], words[2], depth + 1, held);
    return BigInteger(r == "1" ? 1 : 0);
  }
  BigInteger acc = operand_value(run, line, words.empty() ? std::string() : words[0], held);
  for (std::size_t i = 1; i < words.size(); i += 2) {
    const BigInteger b =
        operand_value(run, line, i + 1 < words.size() ? words[i + 1] : std::string(), held);
    acc = apply_operator(run, line, acc, words[i], b, held);
    check_value(line, acc);
  }
  return acc;
}

std::string get_expr_at(RunContext& run, const Line& line, std::string text, int depth, bool marked,
                        HeldValues& held) {
  check_expr_depth(line, depth);
  std::string before, after;
  splitstring(text, "EXPR", before, after);
  const std::string group = get_paren(line, after, 0);
  const std::string inner = group.substr(1, group.size() - 2);
  const std::string form = "EXPR" + group;

  std::string e = group;
  if (match(inner, "EXPR")) e = get_expr_at(run, line, inner, depth + 1, true, held);
  space_operators(e);
  const BigInteger v = calc_value(run, line, e, depth + 1, held);

  const std::string value = marked ? value_text(v, held) : decimal_text(run, line, v);
  check_replace_size(run, line, text, form, value.size());
  find_and_replace(text, form, value, 0);
  return text;
}

std::string get_expr(RunContext& run, const Line& line, std::string text) {
  check_expr_nesting(line, text, 0);
  HeldValues held;
  return get_expr_at(run, line, std::move(text), 0, false, held);
}

std::string calc_expr(RunContext& run, const Line& line, std::string e) {
  HeldValues held;
  return decimal_text(run, line, calc_value(run, line, std::move(e), 0, held));
}

bool check_numeric(const Line& line, std::string word, const std::string& label, int quiet) {
  word.erase(std::remove(word.begin(), word.end(), ' '), word.end());
  if (is_number(word)) return true;
  if (quiet) return false;
  linerr(Err::NOT_NUMERIC, line, label);
}

BigInteger string_to_big_int(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return stringToBigInteger(text);
}

}  // namespace korvex
