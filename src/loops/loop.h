// The loop record, a named integer range with both ends included, and the
// loop table.
//
// The table keeps the ranges in order of declaration and finds a name
// through an index made by the first lookup after a change: the first
// entry of each name, the lengths the names have, and (for the near lookup
// of a name that no entry has) a substring index of the names.
#pragma once

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "text/key_map.h"
#include "text/substring_index.h"

namespace korvex {

struct Loop {
  std::string name;
  int first = 0;
  int last = 0;
  bool global = false;
};

class Loops {
 public:
  Loops() = default;
  Loops(std::initializer_list<Loop> entries) : entries_(entries) {}

  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const Loop& operator[](size_t i) const { return entries_[i]; }
  std::vector<Loop>::const_iterator begin() const { return entries_.begin(); }
  std::vector<Loop>::const_iterator end() const { return entries_.end(); }

  // Every change of a name goes through these, and each one drops the index.
  void push_back(Loop l) {
    index_.reset();
    entries_.push_back(std::move(l));
  }
  void clear() {
    index_.reset();
    entries_.clear();
  }
  // A later declaration of a name gives it a new range.
  void set_range(size_t i, int first, int last, bool global) {
    entries_[i].first = first;
    entries_[i].last = last;
    entries_[i].global = global;
  }

  // Position of the first entry named `name`, or -1.
  int find(const std::string& name) const;
  // The entry whose name contains `name` or is contained in it and is
  // closest to it in length, the first of equals; -1 when there is none.
  int find_near(const std::string& name) const;

 private:
  struct Index {
    NameMap first;  // name -> its first entry
    std::set<size_t> lengths;
    mutable std::unique_ptr<SubstringIndex> names;  // made by the first near lookup that needs it
  };
  const Index& index() const;
  // Entry i's name, as the indexes ask for it.
  auto name_of() const {
    return [this](int i) -> const std::string& { return entries_[static_cast<size_t>(i)].name; };
  }

  std::vector<Loop> entries_;
  mutable std::shared_ptr<Index> index_;
};

}  // namespace korvex
