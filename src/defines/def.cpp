// The define table's index of the first defined entry per name.
#include "defines/def.h"

namespace korvex {
namespace {

// Tables this small are searched entry by entry: the index would cost more
// than it saves.
constexpr size_t kScanned = 16;

}  // namespace

int Defs::first_defined(const std::string& name) const {
  if (size() <= kScanned) {
    const char last = name.back();
    for (size_t i = 0; i < size(); ++i) {
      // Names of one length mostly differ in their last character: that is
      // compared first.
      const Def& d = entries_[i];
      if (d.defined && d.name.size() == name.size() && d.name.back() == last && d.name == name)
        return static_cast<int>(i);
    }
    return -1;
  }
  if (!index_) {
    auto index = std::make_shared<std::unordered_map<std::string, int>>();
    index->reserve(size());
    for (size_t i = 0; i < size(); ++i) {
      const Def& d = entries_[i];
      if (d.defined && !d.name.empty()) index->emplace(d.name, static_cast<int>(i));
    }
    index_ = std::move(index);
  }
  const auto it = index_->find(name);
  return it == index_->end() ? -1 : it->second;
}

}  // namespace korvex
