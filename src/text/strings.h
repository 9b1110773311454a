// Text utilities: the substring tests, splits and rewrites by which Korvex
// recognises and takes apart directive statements.
//
// Directives are recognised by case-sensitive substring search, not by
// tokens, and several functions have edge behaviour the passes rely on:
// find_and_replace resumes after the inserted text, splitstring leaves
// `after` empty when the separator is missing. A blank is the space
// character; a word is a maximal run of non-whitespace characters.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/line_text.h"
#include "text/keyword.h"

namespace korvex {

// Searching and testing.
inline bool match(std::string_view s, std::string_view p) {
  return s.find(p) != std::string_view::npos;
}
// The same test for a literal pattern.
template <class S, size_t N>
  requires(!std::is_same_v<S, LineText>)
inline bool match(const S& s, const char (&p)[N]) {
  return std::string_view(s).find(std::string_view(p, N - 1)) != std::string_view::npos;
}
// A line's text is searched for a keyword only when it holds every capital
// letter of it (counted by the compiler).
inline bool match(const LineText& s, const Keyword& k) { return holds(s, k); }
// True when no keyword, ";;" separator, "\\" or carriage return can occur
// in `s` (every keyword holds a capital letter); with `raw`, also no tab and
// no '#'.
bool is_plain(std::string_view s, bool raw = false);
// Whether `s` holds a capital letter: no keyword can occur in it otherwise.
inline bool has_capital(std::string_view s);
inline bool has_capital(const LineText& s) { return s.capitals() != 0; }
bool either_contains(std::string_view a, std::string_view b);  // either contains the other
bool is_number(std::string_view s);                     // all digits; "" is true
bool is_neg_number(std::string_view s);                 // "-" then digits; "-" is true
bool check_alpha(std::string s);                          // a letter outside "EXPR"
int count_substr(std::string s, const std::string& p);
int count_string(std::string_view s);

// Taking apart.
void splitstring(std::string_view s, std::string_view sep, std::string& before,
                 std::string& after);
// The first three blank-separated words of `s`; the first missing word is
// cleared, those after it keep their value.
void first_three_words(std::string_view s, std::string& w1, std::string& w2, std::string& w3);
std::vector<std::string> words_of(std::string_view s);
int breakstring(std::string_view s, std::vector<std::string>& words);
std::string get_split(std::string_view s, int n);
// The same word as a part of `s`.
std::string_view split_view(std::string_view s, int n);
std::string get_first_word(std::string s);
std::string extract_string(std::string_view s, std::string_view a, std::string_view b);

// Rewriting in place.
void find_and_replace(std::string& s, const std::string& from, const std::string& to, int n);
// The same on a line's text, which is rewritten only when it holds `from`.
void find_and_replace(LineText& s, const std::string& from, const std::string& to, int n);
std::string remove_spaces(std::string& s, const std::string& kw);
void shrink_spaces(std::string& s);
void replace_tabs(std::string& s);
// The leading blanks of `s`, none when it is blanks only.
size_t indent_of(std::string_view s);
int remove_leading_spaces(std::string& s);
void remove_last_spaces(std::string& s);
bool remove_last_str(std::string& s, const std::string& chars);

// Conversion.
std::string convert_int(int n);
std::string StringToLower(std::string s);
std::string StringToUpper(std::string s);

// Whitespace as formatted stream input sees it.
constexpr bool is_space(char c) {
  // '\t', '\n', '\v', '\f' and '\r' are the codes 9 to 13.
  return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}

// The first '\n' in [p, end), or end: sixteen bytes at a time, for the
// many short lines of a file, where a library search costs more to start
// than to run.
inline const char* find_newline(const char* p, const char* end) {
  for (; end - p >= 16; p += 16) {
    const Bytes16 hit = lanes_equal(bytes16_at(p), '\n');
    if (any_lane(hit)) return p + first_lane(hit);
  }
  while (p != end && *p != '\n') ++p;
  return p;
}

// The number of '\n' in [p, end), sixteen bytes at a time.
inline size_t count_newlines(const char* p, const char* end) {
  size_t n = 0;
  while (end - p >= 16) {
    // Each lane counts up to 255 pieces before the lanes are summed.
    const size_t pieces = std::min<size_t>(static_cast<size_t>(end - p) / 16, 255);
    const char* const stop = p + pieces * 16;
    Bytes16 counts{};
    for (; p != stop; p += 16) counts -= lanes_equal(bytes16_at(p), '\n');
    n += lane_sum(counts);
  }
  for (; p != end; ++p) n += *p == '\n' ? 1 : 0;
  return n;
}

inline bool has_capital(std::string_view s) {
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
