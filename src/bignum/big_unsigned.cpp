// BigUnsigned arithmetic on 32-bit blocks with 64-bit intermediates.
//
// Division is Knuth's algorithm D: both operands are normalised so that the
// divisor's top block has its high bit set, each quotient block is estimated
// from the top two dividend blocks and corrected at most twice, and the
// remainder is shifted back at the end.
#include "bignum/big_unsigned.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "bignum/big_error.h"

namespace korvex {

namespace {
constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
}  // namespace

BigUnsigned::BigUnsigned(std::uint64_t value) {
  while (value != 0) {
    blk_.push_back(static_cast<Blk>(value));
    value >>= 32;
  }
}

void BigUnsigned::zapLeadingZeros() {
  while (!blk_.empty() && blk_.back() == 0) blk_.pop_back();
}

std::uint64_t BigUnsigned::bitLength() const {
  if (blk_.empty()) return 0;
  return (blk_.size() - 1) * std::uint64_t{32} + std::bit_width(blk_.back());
}

bool BigUnsigned::getBit(std::uint64_t index) const {
  std::uint64_t b = index / 32;
  if (b >= blk_.size()) return false;
  return (blk_[b] >> (index % 32)) & 1U;
}

BigUnsigned::Blk BigUnsigned::extractBits(std::uint64_t start, unsigned count) const {
  if (count == 0) return 0;
  std::uint64_t b = start / 32;
  unsigned off = static_cast<unsigned>(start % 32);
  std::uint64_t window = 0;
  if (b < blk_.size()) window = blk_[b];
  if (b + 1 < blk_.size()) window |= std::uint64_t{blk_[b + 1]} << 32;
  window >>= off;
  if (count < 32) window &= (std::uint64_t{1} << count) - 1;
  return static_cast<Blk>(window);
}

int BigUnsigned::compareTo(const BigUnsigned& other) const {
  if (blk_.size() != other.blk_.size()) return blk_.size() < other.blk_.size() ? -1 : 1;
  for (std::size_t i = blk_.size(); i-- > 0;) {
    if (blk_[i] != other.blk_[i]) return blk_[i] < other.blk_[i] ? -1 : 1;
  }
  return 0;
}

void BigUnsigned::add(const BigUnsigned& a, const BigUnsigned& b) {
  const std::vector<Blk>& x = a.blk_.size() >= b.blk_.size() ? a.blk_ : b.blk_;
  const std::vector<Blk>& y = a.blk_.size() >= b.blk_.size() ? b.blk_ : a.blk_;
  std::vector<Blk> r(x.size() + 1);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    std::uint64_t t = std::uint64_t{x[i]} + (i < y.size() ? y[i] : 0) + carry;
    r[i] = static_cast<Blk>(t);
    carry = t >> 32;
  }
  r[x.size()] = static_cast<Blk>(carry);
  blk_ = std::move(r);
  zapLeadingZeros();
}

void BigUnsigned::subtract(const BigUnsigned& a, const BigUnsigned& b) {
  if (a.compareTo(b) < 0) throw BigIntegerError(big_error_text::kNegativeUnsigned);
  std::vector<Blk> r(a.blk_.size());
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < a.blk_.size(); ++i) {
    std::uint64_t sub = (i < b.blk_.size() ? b.blk_[i] : 0) + borrow;
    std::uint64_t have = a.blk_[i];
    borrow = have < sub ? 1 : 0;
    r[i] = static_cast<Blk>(have + (borrow ? kBase : 0) - sub);
  }
  blk_ = std::move(r);
  zapLeadingZeros();
}

void BigUnsigned::multiply(const BigUnsigned& a, const BigUnsigned& b) {
  if (a.isZero() || b.isZero()) {
    blk_.clear();
    return;
  }
  const std::vector<Blk>& x = a.blk_;
  const std::vector<Blk>& y = b.blk_;
  std::vector<Blk> r(x.size() + y.size(), 0);
  for (std::size_t i = 0; i < x.size(); ++i) {
    std::uint64_t xi = x[i];
    if (xi == 0) continue;
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < y.size(); ++j) {
      std::uint64_t t = xi * y[j] + r[i + j] + carry;
      r[i + j] = static_cast<Blk>(t);
      carry = t >> 32;
    }
    r[i + y.size()] = static_cast<Blk>(carry);
  }
  blk_ = std::move(r);
  zapLeadingZeros();
}

void BigUnsigned::multiplySmall(Blk factor, Blk addend) {
  std::uint64_t carry = addend;
  for (Blk& b : blk_) {
    std::uint64_t t = std::uint64_t{b} * factor + carry;
    b = static_cast<Blk>(t);
    carry = t >> 32;
  }
  if (carry != 0) blk_.push_back(static_cast<Blk>(carry));
  zapLeadingZeros();
}

BigUnsigned::Blk BigUnsigned::divideSmall(Blk divisor) {
  std::uint64_t rem = 0;
  for (std::size_t i = blk_.size(); i-- > 0;) {
    std::uint64_t cur = (rem << 32) | blk_[i];
    blk_[i] = static_cast<Blk>(cur / divisor);
    rem = cur % divisor;
  }
  zapLeadingZeros();
  return static_cast<Blk>(rem);
}

void BigUnsigned::divideWithRemainder(const BigUnsigned& divisor, BigUnsigned& quotient) {
  if (divisor.isZero() || compareTo(divisor) < 0) {
    quotient.blk_.clear();
    return;
  }
  if (divisor.blk_.size() == 1) {
    BigUnsigned q = *this;
    Blk r = q.divideSmall(divisor.blk_[0]);
    quotient = std::move(q);
    *this = BigUnsigned(r);
    return;
  }

  // Normalise: shift so that the divisor's top block has its high bit set.
  const std::size_t n = divisor.blk_.size();
  const std::size_t m = blk_.size();
  const int s = std::countl_zero(divisor.blk_.back());
  std::vector<Blk> vn(n);
  std::vector<Blk> un(m + 1);
  for (std::size_t i = n; i-- > 1;) {
    vn[i] = s == 0 ? divisor.blk_[i]
                   : (divisor.blk_[i] << s) | (divisor.blk_[i - 1] >> (32 - s));
  }
  vn[0] = divisor.blk_[0] << s;
  un[m] = s == 0 ? 0 : blk_[m - 1] >> (32 - s);
  for (std::size_t i = m; i-- > 1;) {
    un[i] = s == 0 ? blk_[i] : (blk_[i] << s) | (blk_[i - 1] >> (32 - s));
  }
  un[0] = blk_[0] << s;

  std::vector<Blk> q(m - n + 1, 0);
  for (std::size_t j = m - n + 1; j-- > 0;) {
    std::uint64_t top = (std::uint64_t{un[j + n]} << 32) | un[j + n - 1];
    std::uint64_t qhat = top / vn[n - 1];
    std::uint64_t rhat = top % vn[n - 1];
    while (qhat >= kBase || qhat * vn[n - 2] > ((rhat << 32) | un[j + n - 2])) {
      --qhat;
      rhat += vn[n - 1];
      if (rhat >= kBase) break;
    }
    // Multiply and subtract qhat * divisor from the dividend window.
    std::int64_t borrow = 0;
    std::int64_t t = 0;
    for (std::size_t i = 0; i < n; ++i) {
      std::uint64_t p = qhat * vn[i];
      t = static_cast<std::int64_t>(un[i + j]) - borrow -
          static_cast<std::int64_t>(p & 0xFFFFFFFFULL);
      un[i + j] = static_cast<Blk>(t);
      borrow = static_cast<std::int64_t>(p >> 32) - (t >> 32);
    }
    t = static_cast<std::int64_t>(un[j + n]) - borrow;
    un[j + n] = static_cast<Blk>(t);
    if (t < 0) {
      // The estimate was one too large: add the divisor back.
      --qhat;
      std::uint64_t carry = 0;
      for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t sum = std::uint64_t{un[i + j]} + vn[i] + carry;
        un[i + j] = static_cast<Blk>(sum);
        carry = sum >> 32;
      }
      un[j + n] = static_cast<Blk>(un[j + n] + carry);
    }
    q[j] = static_cast<Blk>(qhat);
  }

  // The remainder is the low n blocks of the dividend, shifted back.
  std::vector<Blk> r(n);
  for (std::size_t i = 0; i < n; ++i) {
    r[i] = s == 0 ? un[i] : (un[i] >> s) | (un[i + 1] << (32 - s));
  }
  quotient.blk_ = std::move(q);
  quotient.zapLeadingZeros();
  blk_ = std::move(r);
  zapLeadingZeros();
}

void BigUnsigned::shiftLeft(std::uint64_t bits) {
  if (blk_.empty() || bits == 0) return;
  std::size_t whole = static_cast<std::size_t>(bits / 32);
  unsigned part = static_cast<unsigned>(bits % 32);
  std::vector<Blk> r(blk_.size() + whole + 1, 0);
  for (std::size_t i = 0; i < blk_.size(); ++i) {
    std::uint64_t v = std::uint64_t{blk_[i]} << part;
    r[i + whole] |= static_cast<Blk>(v);
    r[i + whole + 1] |= static_cast<Blk>(v >> 32);
  }
  blk_ = std::move(r);
  zapLeadingZeros();
}

void BigUnsigned::shiftRight(std::uint64_t bits) {
  if (blk_.empty() || bits == 0) return;
  if (bits / 32 >= blk_.size()) {
    blk_.clear();
    return;
  }
  std::size_t whole = static_cast<std::size_t>(bits / 32);
  unsigned part = static_cast<unsigned>(bits % 32);
  std::vector<Blk> r(blk_.size() - whole);
  for (std::size_t i = 0; i < r.size(); ++i) {
    std::uint64_t v = blk_[i + whole];
    if (i + whole + 1 < blk_.size()) v |= std::uint64_t{blk_[i + whole + 1]} << 32;
    r[i] = static_cast<Blk>(v >> part);
  }
  blk_ = std::move(r);
  zapLeadingZeros();
}

}  // namespace korvex
