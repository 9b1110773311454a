// Directive keywords with the capital letters they hold, worked out when the
// program is compiled.
//
// Every keyword holds a capital letter and most lines hold none, so a line's
// capitals (LineText::capitals) rule most keywords out before any substring search:
// a keyword can occur in a text only when the text holds all its capitals.
#pragma once

#include <cstdint>
#include <string>

#include "base/line_text.h"

namespace korvex {

// The capital letters occurring in `p`, one bit each ('A' is bit 0).
constexpr uint32_t capitals_in(const char* p) {
  uint32_t caps = 0;
  for (; *p != '\0'; ++p)
    if (*p >= 'A' && *p <= 'Z') caps |= 1u << (*p - 'A');
  return caps;
}

struct Keyword {
  const char* text;
  uint32_t capitals;
  // Only from a literal: the letters are counted by the compiler.
  consteval Keyword(const char* p) : text(p), capitals(capitals_in(p)) {}
};

// False when `k` holds a capital letter that is not in `capitals`: then `k`
// cannot occur in a text holding only those capitals.
inline bool may_hold(uint32_t capitals, const Keyword& k) {
  return (k.capitals & ~capitals) == 0;
}

// Whether `text` holds `k`: searched for only when the text's capitals allow.
inline bool holds(const LineText& text, const Keyword& k) {
  return may_hold(text.capitals(), k) && text.find(k.text) != LineText::npos;
}

// The keywords that take a parenthesised argument, searched in this order:
// the longer keyword of each pair stands before its prefix.
inline constexpr Keyword paren_keywords[] = {
    "EXPR",   "LOG2",  "BIN",  "OCT",  "HEX",    "CONCAT.REV", "CONCAT", "GONCAT.REV",
    "GONCAT", "DVAL",  "CONST", "TRUE", "VERIFY", "LCASE",      "UCASE"};

}  // namespace korvex
