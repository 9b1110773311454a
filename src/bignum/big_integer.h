// BigInteger: a signed integer of any size, as used by EXPR, LOG2 and the
// number formats.
//
// A value is a sign (-1, 0, +1) and a magnitude; the sign is 0 exactly when
// the magnitude is zero. Division rounds toward negative infinity and the
// remainder takes the sign of the divisor, so -7 / 2 is -4 and -7 % 2 is 1.
#pragma once

#include <cstdint>

#include "bignum/big_unsigned.h"

namespace korvex {

class BigInteger {
 public:
  enum Sign { negative = -1, zero = 0, positive = 1 };

  BigInteger() = default;
  BigInteger(int value);  // NOLINT: implicit, so that 0 and 1 read naturally
  // A zero magnitude gives zero whatever sign is asked for.
  BigInteger(const BigUnsigned& magnitude, Sign sign);

  Sign getSign() const { return sign_; }
  const BigUnsigned& getMagnitude() const { return mag_; }
  bool isZero() const { return sign_ == zero; }
  // Bits of the magnitude; 0 for zero.
  std::uint64_t bitLength() const { return mag_.bitLength(); }

  // -1, 0 or +1.
  int compareTo(const BigInteger& other) const;

  // Each writes a op b into *this; a and b may be *this.
  void add(const BigInteger& a, const BigInteger& b);
  void subtract(const BigInteger& a, const BigInteger& b);
  void multiply(const BigInteger& a, const BigInteger& b);

  // Called on the dividend: afterwards *this holds the floor remainder and
  // `quotient` the floor quotient. A zero divisor leaves the dividend and
  // gives quotient zero. Throws when `quotient` is *this.
  void divideWithRemainder(const BigInteger& divisor, BigInteger& quotient);

  BigInteger operator+(const BigInteger& b) const;
  BigInteger operator-(const BigInteger& b) const;
  BigInteger operator*(const BigInteger& b) const;
  BigInteger operator/(const BigInteger& b) const;  // throws on a zero divisor
  BigInteger operator%(const BigInteger& b) const;  // throws on a zero divisor
  BigInteger operator-() const;
  BigInteger& operator*=(const BigInteger& b);
  BigInteger& operator/=(const BigInteger& b);  // throws on a zero divisor

  // Times 2 to the power `bits`, and floor division by it.
  BigInteger shiftLeft(std::uint64_t bits) const;
  BigInteger shiftRight(std::uint64_t bits) const;

  bool operator==(const BigInteger& b) const { return sign_ == b.sign_ && mag_ == b.mag_; }
  bool operator!=(const BigInteger& b) const { return !(*this == b); }
  bool operator<(const BigInteger& b) const { return compareTo(b) == -1; }
  bool operator<=(const BigInteger& b) const { return compareTo(b) != 1; }
  bool operator>(const BigInteger& b) const { return compareTo(b) == 1; }
  bool operator>=(const BigInteger& b) const { return compareTo(b) != -1; }

  // The value as an int; throws when it lies outside the int range.
  int toInt() const;

 private:
  Sign sign_ = zero;
  BigUnsigned mag_;
};

}  // namespace korvex
