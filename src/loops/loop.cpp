// The loop table's lookups. Small tables are searched entry by entry, as
// the rule reads; larger ones through the index, with the same answers.
#include "loops/loop.h"

#include <string_view>

namespace korvex {
namespace {

constexpr size_t kScanned = 16;

size_t length_difference(const std::string& a, const std::string& b) {
  return a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
}

bool either_holds(const std::string& a, const std::string& b) {
  return a.find(b) != std::string::npos || b.find(a) != std::string::npos;
}

}  // namespace

const Loops::Index& Loops::index() const {
  if (!index_) {
    auto index = std::make_shared<Index>();
    for (size_t i = 0; i < entries_.size(); ++i) {
      index->first.insert(entries_[i].name, static_cast<int>(i), name_of());
      index->lengths.insert(entries_[i].name.size());
    }
    index_ = std::move(index);
  }
  return *index_;
}

int Loops::find(const std::string& name) const {
  if (entries_.size() <= kScanned) {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].name == name) return static_cast<int>(i);
    return -1;
  }
  return index().first.find(name, name_of());
}

int Loops::find_near(const std::string& name) const {
  int best = -1;
  size_t best_diff = 1000000;
  auto consider = [&](int i) {
    const size_t diff = length_difference(entries_[static_cast<size_t>(i)].name, name);
    if (diff < best_diff || (diff == best_diff && i < best)) {
      best_diff = diff;
      best = i;
    }
  };
  if (entries_.size() <= kScanned || name.empty()) {
    // Every entry holds the empty name.
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (!either_holds(entries_[i].name, name)) continue;
      if (entries_[i].name.size() == name.size()) return static_cast<int>(i);
      if (length_difference(entries_[i].name, name) < best_diff) consider(static_cast<int>(i));
    }
    return best;
  }
  const int same = find(name);
  if (same >= 0) return same;
  // Shorter names held in `name`: its pieces of the lengths names have.
  const Index& ix = index();
  const std::string_view whole(name);
  for (size_t len : ix.lengths) {
    if (len >= name.size()) break;
    for (size_t at = 0; at + len <= name.size(); ++at) {
      const int i = ix.first.find(whole.substr(at, len), name_of());
      if (i >= 0) consider(i);
    }
  }
  // Longer names holding it.
  if (!ix.names) {
    ix.names = std::make_unique<SubstringIndex>();
    for (size_t i = 0; i < entries_.size(); ++i) ix.names->set(static_cast<int>(i), entries_[i].name);
  }
  std::vector<int> holding;
  ix.names->find_containing(
      name, name_of(), holding);
  for (int i : holding) consider(i);
  return best;
}

}  // namespace korvex
