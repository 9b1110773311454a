// BigUnsigned: a non-negative integer of any size.
//
// The magnitude is a vector of 32-bit blocks, least significant first, with
// no leading zero blocks, so zero has no blocks and equal values have equal
// vectors. Arithmetic uses 64-bit intermediates: schoolbook multiplication,
// Knuth's long division by blocks, and single-block helpers that let decimal
// conversion work nine digits at a time. Values of many thousands of bits
// stay cheap.
#pragma once

#include <cstdint>
#include <vector>

namespace korvex {

class BigUnsigned {
 public:
  using Blk = std::uint32_t;

  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t value);

  const std::vector<Blk>& getBlocks() const { return blk_; }
  std::size_t getLength() const { return blk_.size(); }
  bool isZero() const { return blk_.empty(); }

  // Number of significant bits; 0 for zero.
  std::uint64_t bitLength() const;
  bool getBit(std::uint64_t index) const;
  // `count` (at most 32) bits starting at bit `start`, as a small number.
  Blk extractBits(std::uint64_t start, unsigned count) const;

  // -1, 0 or +1.
  int compareTo(const BigUnsigned& other) const;

  // Each writes a op b into *this; a and b may be *this.
  void add(const BigUnsigned& a, const BigUnsigned& b);
  // Throws BigIntegerError when b > a.
  void subtract(const BigUnsigned& a, const BigUnsigned& b);
  void multiply(const BigUnsigned& a, const BigUnsigned& b);

  // Called on the dividend: afterwards *this holds the remainder and
  // `quotient` the quotient. A zero divisor gives quotient zero and leaves
  // the dividend as the remainder. `quotient` must not be *this.
  void divideWithRemainder(const BigUnsigned& divisor, BigUnsigned& quotient);

  void shiftLeft(std::uint64_t bits);
  void shiftRight(std::uint64_t bits);

  // *this = *this * factor + addend.
  void multiplySmall(Blk factor, Blk addend);
  // *this = *this / divisor (divisor non-zero); returns the remainder.
  Blk divideSmall(Blk divisor);

  bool operator==(const BigUnsigned& other) const { return blk_ == other.blk_; }

 private:
  void zapLeadingZeros();

  std::vector<Blk> blk_;
};

}  // namespace korvex
