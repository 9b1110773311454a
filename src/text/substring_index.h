// Which of many texts contain a given pattern: the lookup behind the
// cross-substitution of the swap table (which names and values hold a swap's
// name) and behind the near lookup of a loop range by name.
//
// Every 4-byte piece of every text is filed with the texts that hold it. A
// pattern of four bytes or more can only occur in the texts filed under
// each of its pieces, so those of its least filed piece are the candidates,
// each then searched; a shorter pattern is searched in every text. The
// texts stay with their owner, who hands them to each search. A text can be
// changed at any time, and set again: the pieces of its new content are
// filed, and those it no longer holds drop out when the text is searched.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "text/key_map.h"

namespace korvex {

class SubstringIndex {
 public:
  using Texts = std::function<const std::string&(int id)>;

  // Files text `id` with the content `s`.
  void set(int id, const std::string& s);
  // The ids whose texts (as `texts` gives them, each last set as it is now)
  // contain `p` (not empty), ascending, each once.
  void find_containing(const std::string& p, const Texts& texts, std::vector<int>& out) const;

 private:
  static constexpr size_t kPiece = 4;
  size_t count_ = 0;  // ids set
  KeyMap pieces_;                       // 4-byte piece -> list
  std::vector<std::vector<int>> lists_;  // ids of the texts filed under a piece
  mutable std::vector<char> seen_;
};

}  // namespace korvex
