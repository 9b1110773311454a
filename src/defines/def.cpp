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
  auto name_of = [this](int i) -> const std::string& { return entries_[static_cast<size_t>(i)].name; };
  if (!index_) {
    auto index = std::make_shared<NameMap>();
    for (size_t i = 0; i < size(); ++i) {
      const Def& d = entries_[i];
      if (d.defined && !d.name.empty()) index->insert(d.name, static_cast<int>(i), name_of);
    }
    index_ = std::move(index);
  }
  return index_->find(name, name_of);
}

}  // namespace korvex
