// The one error type of Korvex's big integers.
//
// Big-integer operations that cannot give a result (a zero divisor, a value
// that does not fit an int, text that is not a decimal number) throw a
// BigIntegerError carrying one fixed message. The evaluator checks its inputs
// first, so in ordinary use none of these is ever raised; the run reports one
// that escapes as a general error.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace korvex {

class BigIntegerError : public std::exception {
 public:
  explicit BigIntegerError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

// The message texts, one per failing condition.
namespace big_error_text {
inline constexpr const char* kDivideByZero = "BigInteger::operator /: division by zero";
inline constexpr const char* kModuloByZero = "BigInteger::operator %: division by zero";
inline constexpr const char* kDivideAssignByZero = "BigInteger::operator /=: division by zero";
inline constexpr const char* kSameQuotientRemainder =
    "BigInteger::divideWithRemainder: Cannot write quotient and remainder into the same variable";
inline constexpr const char* kTooBigForInt =
    "BigInteger::to<Primitive>: Value is too big to fit in the requested type";
inline constexpr const char* kBadSymbol =
    "BigUnsignedInABase(std::string, Base): Bad symbol in input.  Only 0-9, A-Z, a-z are accepted.";
inline constexpr const char* kDigitTooLarge =
    "BigUnsignedInABase::BigUnsignedInABase(const Digit *, Index, Base): A digit is too large for "
    "the specified base";
inline constexpr const char* kNegativeUnsigned =
    "BigUnsigned::subtract: Negative result in unsigned calculation";
inline constexpr const char* kInternal = "BigInteger internal error";
}  // namespace big_error_text

}  // namespace korvex
