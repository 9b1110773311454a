// Which of many texts contain a given pattern: the lookup behind the
// cross-substitution of the swap table (which names and values hold a swap's
// name) and behind the near lookup of a loop range by name.
//
// Every 4-byte piece of every text is filed with the texts that hold it. A
// pattern of four bytes or more can only occur in the texts filed under
// each of its pieces, so those of its least filed piece are the candidates,
// each then searched; a shorter pattern is searched in every text. A text
// can be changed at any time: the pieces of its new content are filed, and
// those it no longer holds drop out when the text is searched.
#pragma once

#include <string>
#include <vector>

#include "text/key_map.h"

namespace korvex {

class SubstringIndex {
 public:
  // Gives text `id` the content `s`.
  void set(int id, const std::string& s);
  const std::string& text(int id) const { return texts_[static_cast<size_t>(id)]; }
  // The ids whose texts contain `p` (not empty), ascending, each once.
  void find_containing(const std::string& p, std::vector<int>& out) const;

 private:
  static constexpr size_t kPiece = 4;
  std::vector<std::string> texts_;
  KeyMap pieces_;                       // 4-byte piece -> list
  std::vector<std::vector<int>> lists_;  // ids of the texts filed under a piece
  mutable std::vector<char> seen_;
};

}  // namespace korvex
