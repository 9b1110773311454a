// Square-and-multiply powers and exact base-2 logarithms.
//
// LOG2 is computed from the bit length: for x >= 2 the smallest k with
// 2^k >= x is the bit length of x - 1. No floating point is involved, so
// values just above a power of two (2^31 + 1, 2^64 + 1) get the right answer.
#include "expr/big_math.h"

#include <bit>

namespace korvex {

namespace {

// k when the magnitude is 2^k with k >= 1, else 0.
std::uint64_t power_of_two_exponent(const BigUnsigned& m) {
  const std::vector<BigUnsigned::Blk>& b = m.getBlocks();
  if (b.empty() || !std::has_single_bit(b.back())) return 0;
  for (std::size_t i = 0; i + 1 < b.size(); ++i) {
    if (b[i] != 0) return 0;
  }
  return m.bitLength() - 1;
}

}  // namespace

BigInteger BigPower(const BigInteger& base, const BigInteger& exp) {
  if (exp.getSign() != BigInteger::positive) return BigInteger(1);
  if (base.isZero()) return BigInteger();
  if (base.bitLength() == 1) {
    // 1 or -1: the sign alone depends on the exponent's parity.
    const bool odd = exp.getMagnitude().getBit(0);
    return base.getSign() == BigInteger::negative && odd ? BigInteger(-1) : BigInteger(1);
  }
  const int n = exp.toInt();
  const std::uint64_t k = power_of_two_exponent(base.getMagnitude());
  if (k != 0) {
    // A power of two: shift instead of multiplying.
    BigInteger r = BigInteger(1).shiftLeft(k * static_cast<std::uint64_t>(n));
    return base.getSign() == BigInteger::negative && (n & 1) ? -r : r;
  }
  BigInteger result(1);
  BigInteger square = base;
  for (unsigned e = static_cast<unsigned>(n);;) {
    if (e & 1U) result *= square;
    e >>= 1;
    if (e == 0) break;
    square *= square;
  }
  return result;
}

BigInteger BigLog2(const BigInteger& x) {
  if (x.getSign() != BigInteger::positive) return BigInteger();
  if (x == BigInteger(1)) return BigInteger(1);
  BigInteger below = x - BigInteger(1);
  return BigInteger(BigUnsigned(below.bitLength()), BigInteger::positive);
}

int get_log2(int n) {
  if (n <= 0) return 0;
  if (n == 1) return 1;
  return std::bit_width(static_cast<unsigned>(n - 1));
}

}  // namespace korvex
