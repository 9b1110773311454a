// Directive keywords with the capital letters they hold, worked out when the
// program is compiled.
//
// Every keyword holds a capital letter and most lines hold none, so a line's
// capitals (LineText::capitals) rule most keywords out before any substring search:
// a keyword can occur in a text only when the text holds all its capitals.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "base/line_text.h"

namespace korvex {

// The capital letters occurring in `p`, one bit each ('A' is bit 0).
constexpr uint32_t capitals_in(const char* p) {
  uint32_t caps = 0;
  for (; *p != '\0'; ++p)
    if (*p >= 'A' && *p <= 'Z') caps |= 1u << (*p - 'A');
  return caps;
}

constexpr size_t length_of(const char* p) {
  size_t n = 0;
  while (p[n] != '\0') ++n;
  return n;
}

struct Keyword {
  const char* text;
  size_t size;
  uint32_t capitals;
  // Only from a literal: the length and the letters are counted by the
  // compiler.
  consteval Keyword(const char* p) : text(p), size(length_of(p)), capitals(capitals_in(p)) {}
  std::string_view view() const { return {text, size}; }
};

// False when `k` holds a capital letter that is not in `capitals`: then `k`
// cannot occur in a text holding only those capitals.
inline bool may_hold(uint32_t capitals, const Keyword& k) {
  return (k.capitals & ~capitals) == 0;
}

// Whether `text` holds `k`: searched for only when the text's capitals allow.
inline bool holds(const LineText& text, const Keyword& k) {
  return may_hold(text.capitals(), k) && text.find(k.view()) != LineText::npos;
}

// The keywords that take a parenthesised argument, searched in this order:
// the longer keyword of each pair stands before its prefix.
inline constexpr Keyword paren_keywords[] = {
    "EXPR",   "LOG2",  "BIN",  "OCT",  "HEX",    "CONCAT.REV", "CONCAT", "GONCAT.REV",
    "GONCAT", "DVAL",  "CONST", "TRUE", "VERIFY", "LCASE",      "UCASE"};

// The paren keywords that the capitals `caps` allow, bit i for
// paren_keywords[i]. Each keyword is filed under its last capital in the
// alphabet, so only the capitals a line holds are visited, not every keyword.
inline uint32_t paren_keywords_allowed(uint32_t caps) {
  static constexpr auto kFiled = [] {
    std::array<uint32_t, 26> filed{};
    for (size_t i = 0; i < std::size(paren_keywords); ++i)
      filed[static_cast<size_t>(31 - std::countl_zero(paren_keywords[i].capitals))] |= 1u << i;
    return filed;
  }();
  uint32_t filed = 0;
  for (uint32_t c = caps; c != 0; c &= c - 1) filed |= kFiled[static_cast<size_t>(std::countr_zero(c))];
  uint32_t allowed = 0;
  for (uint32_t f = filed; f != 0; f &= f - 1) {
    const int i = std::countr_zero(f);
    if (may_hold(caps, paren_keywords[i])) allowed |= 1u << i;
  }
  return allowed;
}

}  // namespace korvex
