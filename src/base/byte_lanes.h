// Tests of many bytes at once: eight as the lanes of a 64-bit word, and
// sixteen as the lanes of the compiler's vector type, whose operations work
// on every lane together (one instruction each where the processor has
// vector registers).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace korvex {

inline uint64_t word_at(const char* p) {
  uint64_t x;
  std::memcpy(&x, p, 8);
  return x;
}

// The capitals among the eight bytes of x, as the high bit of their lanes: a
// lane is set when its byte is an ASCII capital.
inline uint64_t capital_lanes(uint64_t x) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kLow7 = kOnes * 0x7f;
  constexpr uint64_t kHigh = kOnes * 0x80;
  const uint64_t b = x & kLow7;
  return (kOnes * (127 + 'Z' + 1) - b) & ~x & (b + kOnes * (127 - ('A' - 1))) & kHigh;
}

// The bytes of x equal to c, as the high bit of their lanes.
inline uint64_t word_lanes_equal(uint64_t x, char c) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kLow7 = kOnes * 0x7f;
  const uint64_t t = x ^ (kOnes * static_cast<unsigned char>(c));
  return ~(((t & kLow7) + kLow7) | t) & (kOnes * 0x80);
}

// Sixteen bytes. A comparison of two gives a lane of all ones where it holds.
typedef unsigned char Bytes16 __attribute__((vector_size(16)));

inline Bytes16 bytes16_at(const char* p) {
  Bytes16 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline Bytes16 lanes_of(unsigned char c) { return Bytes16{} + c; }

// The lanes of v equal to c, all ones each.
inline Bytes16 lanes_equal(Bytes16 v, char c) {
  return reinterpret_cast<Bytes16>(v == lanes_of(static_cast<unsigned char>(c)));
}

inline bool any_lane(Bytes16 v) {
  uint64_t halves[2];
  std::memcpy(halves, &v, sizeof halves);
  return (halves[0] | halves[1]) != 0;
}

// The first lane of v that is not zero; v has one.
inline size_t first_lane(Bytes16 v) {
  if constexpr (std::endian::native == std::endian::little) {
    uint64_t halves[2];
    std::memcpy(halves, &v, sizeof halves);
    return halves[0] != 0 ? static_cast<size_t>(std::countr_zero(halves[0])) / 8
                          : 8 + static_cast<size_t>(std::countr_zero(halves[1])) / 8;
  }
  size_t i = 0;
  while (v[i] == 0) ++i;
  return i;
}

// The sum of the lanes of v.
inline size_t lane_sum(Bytes16 v) {
  uint64_t halves[2];
  std::memcpy(halves, &v, sizeof halves);
  constexpr uint64_t kEven = 0x00ff00ff00ff00ffull;
  size_t sum = 0;
  for (const uint64_t h : halves) {
    // Pairs of lanes into four 16-bit lanes, summed by one multiplication
    // into the top one.
    const uint64_t pairs = (h & kEven) + ((h >> 8) & kEven);
    sum += static_cast<size_t>((pairs * 0x0001000100010001ull) >> 48);
  }
  return sum;
}

}  // namespace korvex
