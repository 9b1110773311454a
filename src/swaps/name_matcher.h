// Finding which swap names occur in a text with one scan of the text.
//
// Substitution has to test every swap against every line; testing the names
// one by one costs a search per name and line. The matcher is an automaton
// over all names (Aho-Corasick) that reports, in one pass over a text, every
// name that occurs in it. Tables too large for the automaton fall back to
// reporting every entry, which the caller then tests one by one.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct NameMatcher {
  int symbols = 0;                     // alphabet size; symbol 0: a byte in no name
  unsigned short symbol_of[256] = {};  // byte -> symbol
  // One row of symbols + 1 ints per state: the first state of its chain of
  // name ends (-1: none), then the row offset of the next state per symbol.
  std::vector<int> rows;
  std::vector<std::vector<int>> ends;  // per state: entries whose name ends there
  std::vector<int> out_link;           // per state: next state of its chain of name ends, or -1
  std::vector<int> all;                // the fallback: every entry with a name
  bool built = false;
  mutable std::vector<char> seen;      // scratch for get_matched_names
};

// Builds the matcher for `names` (entry i has names[i]; empty names never match).
void set_name_matcher(NameMatcher& m, const std::vector<std::string>& names);

// The entries whose names may occur in `text`, ascending. With the automaton
// built this is exactly the entries that occur; otherwise every named entry.
void get_matched_names(const NameMatcher& m, const std::string& text, std::vector<int>& found);

}  // namespace korvex
