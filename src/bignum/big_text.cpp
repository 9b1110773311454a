// Decimal conversion in chunks of nine digits: reading multiplies the value
// by 10^9 and adds the next chunk; writing divides by 10^9 and keeps the
// remainders, so a value of n blocks costs O(n^2) block operations.
#include "bignum/big_text.h"

#include <cstdint>
#include <vector>

#include "bignum/big_error.h"

namespace korvex {

namespace {

constexpr std::uint32_t kChunk = 1000000000U;  // 10^9
constexpr std::size_t kChunkDigits = 9;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

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
  BigUnsigned mag = value.getMagnitude();
  std::vector<std::uint32_t> chunks;
  chunks.reserve(mag.getLength() * 32 / 29 + 1);
  while (!mag.isZero()) chunks.push_back(mag.divideSmall(kChunk));

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
