// The define record, a named on/off switch, and the define table.
//
// The table keeps the entries in order of creation and finds a name through
// an index of the first defined entry per name, made by the first lookup
// after a change (lookups come after the table is complete: set_defs keeps
// an index of its own while it fills the table).
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "text/key_map.h"

namespace korvex {

struct Def {
  std::string name;
  bool global = false;   // DEFINE.GLOBAL or -d: forwarded to child files
  bool locked = false;   // never set by any statement; kept for the record's shape
  bool defined = true;   // lookups see only defined entries
};

class Defs {
 public:
  Defs() = default;
  Defs(std::initializer_list<Def> entries) : entries_(entries) {}

  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const Def& operator[](size_t i) const { return entries_[i]; }
  std::vector<Def>::const_iterator begin() const { return entries_.begin(); }
  std::vector<Def>::const_iterator end() const { return entries_.end(); }

  // Every change goes through these, and each one drops the index.
  Def& operator[](size_t i) {
    index_.reset();
    return entries_[i];
  }
  void push_back(Def d) {
    index_.reset();
    entries_.push_back(std::move(d));
  }
  void clear() {
    index_.reset();
    entries_.clear();
  }

  // Position of the first defined entry named `name` (never empty), or -1.
  int first_defined(const std::string& name) const;

 private:
  std::vector<Def> entries_;
  // Made by the first lookup after a change; shared by copies, which hold
  // the same entries until one of them changes.
  mutable std::shared_ptr<const NameMap> index_;
};

}  // namespace korvex
