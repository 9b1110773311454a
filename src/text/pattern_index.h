// Which of many patterns occur in a text: the lookup behind swap tables too
// large for the swap-name automaton, and behind the cross-substitution of
// the swap table, whose patterns (the swap names) change as it works.
//
// A pattern of eight bytes or more is a path of 8-byte chunks from its
// start, with the fewer than eight bytes left at its end: every path from
// a pattern's start is filed (its chunks folded into one key), and each
// pattern under the key of its whole path and end. A text is read from
// each position where some pattern's first chunk stands, chunk by chunk
// while some pattern goes on, and at each step the ends filed there are
// looked up and compared with the text. So a lookup costs about one probe
// per chunk walked and per end length filed there, however many patterns
// share pieces; a bit per hash of an end, in a table small enough to stay
// in the cache, spares most lookups of ends that are not there. A shorter
// pattern is filed under itself and looked up at every position of the
// text. Patterns can be given, changed and taken away at any time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/key_map.h"

namespace korvex {

class PatternIndex {
 public:
  // Gives pattern `id` the text `p`; an empty text takes the pattern away.
  void set(int id, const std::string& p);
  // The ids whose patterns occur in `text`, ascending, each once.
  void find_in(std::string_view text, std::vector<int>& out) const;

 private:
  static constexpr size_t kPiece = 8;
  // A path's bits: bit r, a pattern ends r bytes after it (0 to 7); this
  // bit, a pattern goes on past another chunk.
  static constexpr int kGoesOn = 1 << kPiece;
  void take_away(int id);
  // The key the pattern is filed under; its paths are filed on the way
  // when `file_paths`.
  uint64_t key_of(std::string_view p, bool file_paths);
  // Whether pattern `id` stands at `at`, `size` bytes.
  bool stands(int id, const char* at, size_t size) const;
  std::string_view pattern(size_t id) const {
    return std::string_view(bytes_).substr(ids_[id].at, ids_[id].size);
  }
  size_t end_bit(uint64_t end) const { return static_cast<size_t>(end >> end_shift_); }
  size_t filed_bit(uint64_t chunk) const {
    return static_cast<size_t>((chunk * 0x9E3779B97F4A7C15ull) >> end_shift_);
  }
  void file_ends();

  struct Id {
    uint64_t at = 0;   // the pattern in bytes_
    int next = 0;      // the next id filed under the same key, plus one (0: none)
    uint32_t size = 0;  // 0: no pattern
    mutable uint32_t seen = 0;  // the lookup that found it last
  };
  std::vector<Id> ids_;
  // The patterns' bytes, one after the other; a pattern changed or taken
  // away leaves its old bytes unused until they are the larger part.
  std::string bytes_;
  size_t live_bytes_ = 0;
  KeyMap paths_;                    // folded chunks -> their bits
  KeyMap ends_;                     // path and end -> first id + 1
  KeyMap shorts_;                   // short pattern -> first id + 1
  size_t long_count_ = 0;           // patterns of eight bytes or more
  std::vector<uint64_t> ends_filed_;  // bit per hash of an end filed
  int end_shift_ = 64;              // both filters hold 2^(64 - end_shift_) bits
  std::vector<uint64_t> starts_;    // bit per first two bytes of a long pattern
  std::vector<uint64_t> short_starts_;  // the same for the short patterns
  std::vector<uint64_t> filed_;     // bit per hash of a first chunk: most text holds none
  bool single_[256] = {};           // one-byte patterns
  int short_count_[kPiece] = {};    // patterns of each short length
  mutable uint32_t lookups_ = 0;
};

}  // namespace korvex
