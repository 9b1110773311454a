// The substring index: a list of text ids per 4-byte piece.
#include "text/substring_index.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace korvex {
namespace {

uint64_t piece_at(const char* p) {
  uint32_t k;
  std::memcpy(&k, p, 4);
  return k;
}

}  // namespace

void SubstringIndex::set(int id, const std::string& s) {
  const size_t at = static_cast<size_t>(id);
  if (at >= count_) {
    count_ = at + 1;
    seen_.resize(count_, 0);
  }
  for (size_t p = 0; p + kPiece <= s.size(); ++p) {
    const int li = pieces_.insert(piece_at(s.data() + p), static_cast<int>(lists_.size()));
    if (static_cast<size_t>(li) == lists_.size()) lists_.emplace_back();
    std::vector<int>& list = lists_[static_cast<size_t>(li)];
    // A piece met again in the same text is filed once.
    if (list.empty() || list.back() != id) list.push_back(id);
  }
}

void SubstringIndex::find_containing(const std::string& p, const Texts& texts,
                                     std::vector<int>& out) const {
  out.clear();
  auto holds = [&](size_t id) {
    return texts(static_cast<int>(id)).find(p) != std::string::npos;
  };
  if (p.size() < kPiece) {
    for (size_t id = 0; id < count_; ++id)
      if (holds(id)) out.push_back(static_cast<int>(id));
    return;
  }
  const std::vector<int>* least = nullptr;
  for (size_t o = 0; o + kPiece <= p.size(); ++o) {
    const int li = pieces_.find(piece_at(p.data() + o));
    if (li < 0) return;  // no text holds this piece
    const std::vector<int>& list = lists_[static_cast<size_t>(li)];
    if (least == nullptr || list.size() < least->size()) least = &list;
  }
  for (int id : *least) {
    const size_t at = static_cast<size_t>(id);
    if (seen_[at]) continue;
    seen_[at] = 1;
    if (holds(at)) out.push_back(id);
  }
  for (int id : *least) seen_[static_cast<size_t>(id)] = 0;
  std::sort(out.begin(), out.end());
}

}  // namespace korvex
