// Signed arithmetic on top of BigUnsigned magnitudes.
//
// Sums and differences compare magnitudes and subtract the smaller from the
// larger, so the unsigned subtraction never goes negative. Division adjusts
// the truncating magnitude division into floor division: with differing signs
// the dividend magnitude is first lowered by one, the quotient raised by one
// and the remainder mirrored into the divisor's range.
#include "bignum/big_integer.h"

#include <utility>

#include "bignum/big_error.h"

namespace korvex {

namespace {

BigInteger::Sign flip(BigInteger::Sign s) {
  return static_cast<BigInteger::Sign>(-static_cast<int>(s));
}

}  // namespace

BigInteger::BigInteger(int value) {
  if (value == 0) return;
  sign_ = value < 0 ? negative : positive;
  // The int64 detour keeps the magnitude of INT_MIN exact.
  std::int64_t wide = value;
  mag_ = BigUnsigned(static_cast<std::uint64_t>(wide < 0 ? -wide : wide));
}

BigInteger::BigInteger(const BigUnsigned& magnitude, Sign sign)
    : sign_(magnitude.isZero() ? zero : sign), mag_(magnitude) {
  if (sign_ == zero) mag_ = BigUnsigned();
}

int BigInteger::compareTo(const BigInteger& other) const {
  if (sign_ < other.sign_) return -1;
  if (sign_ > other.sign_) return 1;
  switch (sign_) {
    case zero:
      return 0;
    case positive:
      return mag_.compareTo(other.mag_);
    case negative:
      return -mag_.compareTo(other.mag_);
  }
  throw BigIntegerError(big_error_text::kInternal);
}

void BigInteger::add(const BigInteger& a, const BigInteger& b) {
  if (a.sign_ == zero) {
    *this = b;
    return;
  }
  if (b.sign_ == zero) {
    *this = a;
    return;
  }
  BigUnsigned m;
  Sign s;
  if (a.sign_ == b.sign_) {
    m.add(a.mag_, b.mag_);
    s = a.sign_;
  } else {
    int c = a.mag_.compareTo(b.mag_);
    if (c == 0) {
      *this = BigInteger();
      return;
    }
    if (c > 0) {
      m.subtract(a.mag_, b.mag_);
      s = a.sign_;
    } else {
      m.subtract(b.mag_, a.mag_);
      s = b.sign_;
    }
  }
  *this = BigInteger(m, s);
}

void BigInteger::subtract(const BigInteger& a, const BigInteger& b) {
  if (a.sign_ == zero) {
    *this = -b;
    return;
  }
  if (b.sign_ == zero) {
    *this = a;
    return;
  }
  BigUnsigned m;
  Sign s;
  if (a.sign_ != b.sign_) {
    m.add(a.mag_, b.mag_);
    s = a.sign_;
  } else {
    int c = a.mag_.compareTo(b.mag_);
    if (c == 0) {
      *this = BigInteger();
      return;
    }
    if (c > 0) {
      m.subtract(a.mag_, b.mag_);
      s = a.sign_;
    } else {
      m.subtract(b.mag_, a.mag_);
      s = flip(b.sign_);
    }
  }
  *this = BigInteger(m, s);
}

void BigInteger::multiply(const BigInteger& a, const BigInteger& b) {
  if (a.sign_ == zero || b.sign_ == zero) {
    *this = BigInteger();
    return;
  }
  BigUnsigned m;
  m.multiply(a.mag_, b.mag_);
  *this = BigInteger(m, a.sign_ == b.sign_ ? positive : negative);
}

void BigInteger::divideWithRemainder(const BigInteger& divisor, BigInteger& quotient) {
  if (&quotient == this) throw BigIntegerError(big_error_text::kSameQuotientRemainder);
  // The divisor may alias the quotient; work on a copy.
  const BigInteger b = divisor;
  if (b.sign_ == zero) {
    quotient = BigInteger();
    return;
  }
  if (sign_ == zero) {
    quotient = BigInteger();
    return;
  }
  BigUnsigned a = mag_;
  const bool differ = sign_ != b.sign_;
  if (differ) a.subtract(a, BigUnsigned(1));
  BigUnsigned q;
  a.divideWithRemainder(b.mag_, q);
  if (differ) {
    q.add(q, BigUnsigned(1));
    BigUnsigned r = b.mag_;
    r.subtract(r, a);
    r.subtract(r, BigUnsigned(1));
    a = std::move(r);
  }
  quotient = BigInteger(q, differ ? negative : positive);
  *this = BigInteger(a, b.sign_);
}

BigInteger BigInteger::operator+(const BigInteger& b) const {
  BigInteger r;
  r.add(*this, b);
  return r;
}

BigInteger BigInteger::operator-(const BigInteger& b) const {
  BigInteger r;
  r.subtract(*this, b);
  return r;
}

BigInteger BigInteger::operator*(const BigInteger& b) const {
  BigInteger r;
  r.multiply(*this, b);
  return r;
}

BigInteger BigInteger::operator/(const BigInteger& b) const {
  if (b.isZero()) throw BigIntegerError(big_error_text::kDivideByZero);
  BigInteger q;
  BigInteger r = *this;
  r.divideWithRemainder(b, q);
  return q;
}

BigInteger BigInteger::operator%(const BigInteger& b) const {
  if (b.isZero()) throw BigIntegerError(big_error_text::kModuloByZero);
  BigInteger q;
  BigInteger r = *this;
  r.divideWithRemainder(b, q);
  return r;
}

BigInteger BigInteger::operator-() const { return BigInteger(mag_, flip(sign_)); }

BigInteger& BigInteger::operator*=(const BigInteger& b) {
  multiply(*this, b);
  return *this;
}

BigInteger& BigInteger::operator/=(const BigInteger& b) {
  if (b.isZero()) throw BigIntegerError(big_error_text::kDivideAssignByZero);
  BigInteger q;
  divideWithRemainder(b, q);
  *this = std::move(q);
  return *this;
}

BigInteger BigInteger::shiftLeft(std::uint64_t bits) const {
  BigUnsigned m = mag_;
  m.shiftLeft(bits);
  return BigInteger(m, sign_);
}

BigInteger BigInteger::shiftRight(std::uint64_t bits) const {
  if (sign_ != negative) {
    BigUnsigned m = mag_;
    m.shiftRight(bits);
    return BigInteger(m, sign_);
  }
  // floor(-m / 2^k) = -(((m - 1) >> k) + 1)
  BigUnsigned m = mag_;
  m.subtract(m, BigUnsigned(1));
  m.shiftRight(bits);
  m.add(m, BigUnsigned(1));
  return BigInteger(m, negative);
}

int BigInteger::toInt() const {
  if (sign_ == zero) return 0;
  if (mag_.getLength() == 1) {
    std::uint32_t b = mag_.getBlocks()[0];
    if (sign_ == positive && b <= 2147483647U) return static_cast<int>(b);
    if (sign_ == negative && b <= 2147483648U) {
      return static_cast<int>(-static_cast<std::int64_t>(b));
    }
  }
  throw BigIntegerError(big_error_text::kTooBigForInt);
}

}  // namespace korvex
