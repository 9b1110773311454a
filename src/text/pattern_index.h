// Which of many patterns occur in a text: the lookup behind swap tables too
// large for the swap-name automaton, and behind the cross-substitution of
// the swap table, whose patterns (the swap names) change as it works.
//
// A pattern of eight bytes or more is filed under one of its 8-byte pieces,
// the one filed under least often when the pattern is given; a text is then
// read piece by piece, each piece looked up once, and the patterns filed
// under it compared where they would stand. A shorter pattern is filed
// under itself and looked up at every position of the text. Patterns can
// be given, changed and taken away at any time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/key_map.h"

namespace korvex {

class PatternIndex {
 public:
  // Gives pattern `id` the text `p`; an empty text takes the pattern away.
  void set(int id, const std::string& p);
  // The ids whose patterns occur in `text`, ascending, each once.
  void find_in(const std::string& text, std::vector<int>& out) const;

 private:
  static constexpr size_t kPiece = 8;
  void take_away(int id);
  void file_piece(uint64_t piece);
  // Makes the filter of pieces larger and files every piece again.
  void grow_filter();

  std::vector<std::string> patterns_;
  std::vector<int> list_of_;                         // per id: its list, or -1
  // A pattern filed under a piece: its first and last eight bytes are
  // compared before the rest.
  struct Filed {
    int id;
    int offset;  // of the piece in the pattern
    int size;
    uint64_t head, tail;
  };
  std::vector<std::vector<Filed>> lists_;
  KeyMap pieces_;                                    // 8-byte piece -> list
  KeyMap shorts_;                                    // short pattern -> list
  std::vector<uint64_t> starts_;    // bit per first two bytes of a piece filed under
  std::vector<uint64_t> short_starts_;  // the same for the short patterns
  std::vector<uint64_t> filed_;     // bit per hash of a piece filed under: most text is not
  int filed_bits_ = 0;              // filed_ holds 2^filed_bits_ bits
  bool single_[256] = {};           // one-byte patterns
  int short_count_[kPiece] = {};    // patterns of each short length
  mutable std::vector<char> seen_;
};

}  // namespace korvex
