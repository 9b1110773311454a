// Finding which swap names occur in a text with one scan of the text.
//
// Substitution has to test every swap against every line; testing the names
// one by one costs a search per name and line. The matcher is an automaton
// over all names (Aho-Corasick) that reports, in one pass over a text, every
// name that occurs in it. Tables too large for the automaton are served by
// a pattern index of the names (text/pattern_index.h), which reports the
// same entries.
#pragma once

#include <string>
#include <vector>

#include "base/line_text.h"
#include "text/pattern_index.h"

namespace korvex {

struct NameMatcher {
  int symbols = 0;                     // alphabet size; symbol 0: a byte in no name
  unsigned short symbol_of[256] = {};  // byte -> symbol
  // One row of symbols + 1 ints per state: the first state of its chain of
  // name ends (-1: none), then the row offset of the next state per symbol.
  std::vector<int> rows;
  std::vector<std::vector<int>> ends;  // per state: entries whose name ends there
  std::vector<int> out_link;           // per state: next state of its chain of name ends, or -1
  bool built = false;                  // the automaton; otherwise the index serves
  PatternIndex index;
  // Bytes that lead out of the start state (the first bytes of the names):
  // the scan skips every other byte while it stands at the start.
  bool starts[256] = {};
  int start_bytes = 0;                 // how many bytes are in `starts`
  unsigned char start_byte = 0;        // the one when there is exactly one
  mutable std::vector<char> seen;      // scratch for get_matched_names
  // The lowest capital of every name, or all bits when a name holds none: a
  // text without any of these holds no name.
  uint32_t capitals_needed = ~0u;
  // The capitals of each name, when a name holds some and there are at most
  // kFewCapitals different sets: a text holds a name only when it holds all
  // of one of them.
  static constexpr size_t kFewCapitals = 16;
  std::vector<uint32_t> name_capitals;
};

// Builds the matcher for `names` (entry i has names[i]; empty names never match).
void set_name_matcher(NameMatcher& m, const std::vector<std::string>& names);

// False when no name can occur in `text`: it holds no name's first byte.
bool may_hold_name(const NameMatcher& m, std::string_view text);
// The same for a line's text, which is not read when it lacks the capitals
// that every name needs.
bool may_hold_name_with_capitals(const NameMatcher& m, const LineText& text);
inline bool may_hold_name(const NameMatcher& m, const LineText& text) {
  // Most lines hold no capital, and most names one at least.
  if (m.capitals_needed != ~0u && text.capitals() == 0) return false;
  return may_hold_name_with_capitals(m, text);
}

// The entries whose names occur in `text`, ascending.
void get_matched_names(const NameMatcher& m, std::string_view text, std::vector<int>& found);

}  // namespace korvex
