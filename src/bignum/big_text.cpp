// Decimal conversion in chunks of nine digits. Reading multiplies the value
// by 10^9 and adds the next chunk. Writing splits the value in halves by
// powers 10^(9 * 2^k) until the parts are small, then divides those by 10^9;
// a value of n blocks costs O(n^2) block operations either way, but the
// halving keeps the work in long division's fast inner loop.
#include "bignum/big_text.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "bignum/big_error.h"

namespace korvex {

namespace {

constexpr std::uint32_t kChunk = 1000000000U;  // 10^9
constexpr std::size_t kChunkDigits = 9;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Divides the blocks (least significant first) by 10^9 in place and returns
// the remainder.
std::uint32_t divide_by_chunk(std::vector<std::uint32_t>& blocks) {
  std::uint64_t rem = 0;
  for (std::size_t i = blocks.size(); i-- > 0;) {
    const std::uint64_t cur = (rem << 32) | blocks[i];
    const std::uint64_t q = cur / kChunk;
    blocks[i] = static_cast<std::uint32_t>(q);
    rem = cur - q * kChunk;
  }
  while (!blocks.empty() && blocks.back() == 0) blocks.pop_back();
  return static_cast<std::uint32_t>(rem);
}

// Appends exactly `count` base-10^9 digits of `n` (least significant first,
// zero-padded); n < powers[k]^2. Large values are split in two by
// powers[k] = 10^(9 * 2^k) with the block long division, whose inner loops
// pipeline well; small ones are divided by 10^9 directly.
void append_chunks(const BigUnsigned& n, const std::vector<BigUnsigned>& powers, int k,
                   std::size_t count, std::vector<std::uint32_t>& out) {
  if (k < 0 || n.getLength() <= 32) {
    std::vector<std::uint32_t> blocks = n.getBlocks();
    for (std::size_t i = 0; i < count; ++i) out.push_back(blocks.empty() ? 0 : divide_by_chunk(blocks));
    return;
  }
  BigUnsigned low = n;
  BigUnsigned high;
  low.divideWithRemainder(powers[static_cast<std::size_t>(k)], high);
  append_chunks(low, powers, k - 1, count / 2, out);
  append_chunks(high, powers, k - 1, count / 2, out);
}
}  // namespace

BigInteger stringToBigInteger(const std::string& text) {
  std::size_t start = 0;
  BigInteger::Sign sign = BigInteger::positive;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    if (text[0] == '-') sign = BigInteger::negative;
    start = 1;
  }
  // Every character is mapped before any digit is judged against the base,
  // so a bad symbol is reported ahead of a letter.
  for (std::size_t i = start; i < text.size(); ++i) {
    if (!is_digit(text[i]) && !is_letter(text[i])) {
      throw BigIntegerError(big_error_text::kBadSymbol);
    }
  }
  for (std::size_t i = start; i < text.size(); ++i) {
    if (!is_digit(text[i])) throw BigIntegerError(big_error_text::kDigitTooLarge);
  }

  BigUnsigned mag;
  std::size_t pos = start;
  std::size_t digits = text.size() - start;
  std::size_t first = digits % kChunkDigits;
  if (first == 0) first = kChunkDigits;
  while (pos < text.size()) {
    std::size_t len = pos == start ? first : kChunkDigits;
    std::uint32_t chunk = 0;
    std::uint32_t scale = 1;
    for (std::size_t i = 0; i < len; ++i) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(text[pos + i] - '0');
      scale *= 10;
    }
    mag.multiplySmall(scale, chunk);
    pos += len;
  }
  return BigInteger(mag, sign);
}

std::string bigIntegerToString(const BigInteger& value) {
  if (value.isZero()) return "0";
  const BigUnsigned& mag = value.getMagnitude();
  // powers[i] = 10^(9 * 2^i), up to the first whose square exceeds the value.
  std::vector<BigUnsigned> powers{BigUnsigned(kChunk)};
  while (2 * powers.back().bitLength() - 1 <= mag.bitLength()) {
    BigUnsigned square;
    square.multiply(powers.back(), powers.back());
    powers.push_back(std::move(square));
  }
  const int top = static_cast<int>(powers.size()) - 1;
  std::vector<std::uint32_t> chunks;
  append_chunks(mag, powers, top, std::size_t{2} << top, chunks);
  while (chunks.size() > 1 && chunks.back() == 0) chunks.pop_back();

  std::string out;
  out.reserve(chunks.size() * kChunkDigits + 1);
  if (value.getSign() == BigInteger::negative) out += '-';
  out += std::to_string(chunks.back());
  for (std::size_t i = chunks.size() - 1; i-- > 0;) {
    std::string part = std::to_string(chunks[i]);
    out.append(kChunkDigits - part.size(), '0');
    out += part;
  }
  return out;
}

}  // namespace korvex
