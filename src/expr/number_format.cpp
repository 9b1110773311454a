// Sized literals of any width.
//
// The digit count is the width divided by the bits per digit, rounded up.
// For the power-of-two bases each digit is read straight from the value's
// bits, so a literal of thousands of digits costs one pass; a negative value
// (which only a direct caller can pass) is first reduced modulo
// base^digits, the digits that floor division by the base would give.
#include "expr/number_format.h"

#include <algorithm>

#include "base/errors.h"
#include "expr/big_math.h"
#include "expr/evaluator.h"
#include "expr/evaluator_detail.h"
#include "text/paren.h"
#include "expr/value_guards.h"
#include "text/strings.h"

namespace korvex {

namespace {

constexpr const char* kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The width word as a number, or kMaxLineBytes + 1 when it is larger than
// any line may be (the caller reports that before building anything).
std::uint64_t width_of(const std::string& digits) {
  std::uint64_t w = 0;
  for (char c : digits) {
    if (c == ' ') continue;
    w = w * 10 + static_cast<std::uint64_t>(c - '0');
    if (w > kMaxLineBytes) return kMaxLineBytes + 1;
  }
  return w;
}

}  // namespace

std::string dec2base(const BigInteger& value, int width, int base, const std::string& prefix) {
  if (base < 2 || base > 36) base = 10;
  width = std::max(width, 0);
  const int bits = get_log2(base);
  const std::size_t count = static_cast<std::size_t>((width + bits - 1) / bits);
  std::string digits(count, '0');
  if ((base & (base - 1)) == 0) {
    BigInteger v = value;
    if (v.getSign() == BigInteger::negative) {
      v = v % BigInteger(1).shiftLeft(static_cast<std::uint64_t>(count) * bits);
    }
    const BigUnsigned& m = v.getMagnitude();
    for (std::size_t i = 0; i < count; ++i) {
      digits[count - 1 - i] = kDigits[m.extractBits(static_cast<std::uint64_t>(i) * bits, bits)];
    }
  } else {
    BigInteger v = value;
    const BigInteger b(base);
    for (std::size_t i = count; i-- > 0;) {
      digits[i] = kDigits[(v % b).toInt()];
      v = v / b;
    }
  }
  return prefix.empty() ? digits : std::to_string(width) + prefix + digits;
}

std::string dec2bin(const BigInteger& value, int width, int prefix) {
  return dec2base(value, width, 2, prefix ? "'b" : "");
}

std::string dec2oct(const BigInteger& value, int width, int prefix) {
  return dec2base(value, width, 8, prefix ? "'o" : "");
}

std::string dec2hex(const BigInteger& value, int width, int prefix) {
  return dec2base(value, width, 16, prefix ? "'h" : "");
}

std::string get_base(RunContext& run, const Line& line, const std::string& keyword) {
  std::string before, after;
  splitstring(line.text, keyword, before, after);
  const std::string group = get_paren(line, after, 0);
  const std::string call = keyword + group;
  std::string value_word, width_word, option;
  first_three_words(group.substr(1, group.size() - 2), value_word, width_word, option);
  const int prefix = option == "NOPRE" ? 0 : 1;

  check_numeric(line, value_word, keyword + " value", 0);
  check_numeric(line, width_word, keyword + " digits", 0);
  const std::uint64_t width = width_of(width_word);
  if (width == 0) linerr(Err::DIGITS_ZERO, line, keyword);
  // A literal has about as many characters as its width has bits.
  check_line_bytes(line, width);
  const BigInteger value = digits_value(run, line, value_word);

  std::string literal;
  const int w = static_cast<int>(width);
  if (keyword == "BIN") {
    literal = dec2bin(value, w, prefix);
  } else if (keyword == "OCT") {
    literal = dec2oct(value, w, prefix);
  } else {
    literal = dec2hex(value, w, prefix);
  }
  std::string text = line.text.str();
  check_replace_size(run, line, text, call, literal.size());
  find_and_replace(text, call, literal, 0);
  return text;
}

}  // namespace korvex
