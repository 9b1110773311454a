// Text utilities: the substring tests, splits and rewrites by which Korvex
// recognises and takes apart directive statements.
//
// Directives are recognised by case-sensitive substring search, not by
// tokens, and several functions have edge behaviour the passes rely on:
// find_and_replace resumes after the inserted text, splitstring leaves
// `after` empty when the separator is missing. A blank is the space
// character; a word is a maximal run of non-whitespace characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "text/keyword.h"

namespace korvex {

// Searching and testing.
inline bool match(const std::string& s, const std::string& p) {
  return s.find(p) != std::string::npos;
}
// The same test for a literal pattern, without building a string for it.
template <size_t N>
inline bool match(const std::string& s, const char (&p)[N]) {
  return s.find(p, 0, N - 1) != std::string::npos;
}
// The capacity to give a heap text of `len` bytes: all the allocator's block
// holds (16-byte steps, 8 bytes of header), so that the text can grow a
// little in place at no cost in memory.
inline size_t heap_capacity(size_t len) { return ((len + 24) & ~size_t{15}) - 9; }
// The capital letters occurring in `s`, one bit each ('A' is bit 0).
uint32_t capitals_of(const std::string& s);
// Whether `s` holds a capital letter: no keyword can occur in it otherwise.
// Every pass asks it of every line, so it is made inline.
inline bool has_capital(const std::string& s);
bool either_contains(const std::string& a, const std::string& b);  // either contains the other
bool is_number(const std::string& s);                     // all digits; "" is true
bool is_neg_number(const std::string& s);                 // "-" then digits; "-" is true
bool check_alpha(std::string s);                          // a letter outside "EXPR"
int count_substr(std::string s, const std::string& p);
int count_string(const std::string& s);

// Taking apart.
void splitstring(const std::string& s, const std::string& sep, std::string& before,
                 std::string& after);
// The first three blank-separated words of `s`; the first missing word is
// cleared, those after it keep their value.
void first_three_words(const std::string& s, std::string& w1, std::string& w2, std::string& w3);
std::vector<std::string> words_of(const std::string& s);
int breakstring(const std::string& s, std::vector<std::string>& words);
std::string get_split(const std::string& s, int n);
std::string get_first_word(std::string s);
std::string extract_string(const std::string& s, std::string_view a, std::string_view b);

// Rewriting in place.
void find_and_replace(std::string& s, const std::string& from, const std::string& to, int n);
std::string remove_spaces(std::string& s, const std::string& kw);
void shrink_spaces(std::string& s);
void replace_tabs(std::string& s);
int remove_leading_spaces(std::string& s);
void remove_last_spaces(std::string& s);
bool remove_last_str(std::string& s, const std::string& chars);

// Conversion.
std::string convert_int(int n);
std::string StringToLower(std::string s);
std::string StringToUpper(std::string s);

// Whitespace as formatted stream input sees it.
inline bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The capitals among the eight bytes of x, as the high bit of their lanes: a
// byte b is a capital when the high bit of its lane is set in each of
// 127 + ('Z' + 1) - b (b <= 'Z'), b + 127 - ('A' - 1) (b >= 'A') and ~x
// (b < 128). No lane carries into the next, so every lane is tested on its own.
inline uint64_t capital_lanes(uint64_t x) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kLow7 = kOnes * 0x7f;
  constexpr uint64_t kHigh = kOnes * 0x80;
  const uint64_t b = x & kLow7;
  return (kOnes * (127 + 'Z' + 1) - b) & ~x & (b + kOnes * (127 - ('A' - 1))) & kHigh;
}

// The eight bytes from p on, as one word.
inline uint64_t word_at(const char* p) {
  uint64_t x;
  std::memcpy(&x, p, 8);
  return x;
}

inline bool has_capital(const std::string& s) {
  const char* p = s.data();
  const size_t n = s.size();
  if (n < 8) {
    for (size_t i = 0; i < n; ++i)
      if (p[i] >= 'A' && p[i] <= 'Z') return true;
    return false;
  }
  for (size_t i = 0; i + 8 <= n; i += 8)
    if (capital_lanes(word_at(p + i)) != 0) return true;
  // The last eight bytes, overlapping the words before.
  return capital_lanes(word_at(p + n - 8)) != 0;
}

}  // namespace korvex
