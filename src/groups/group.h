// The signal-group records: a group, its member signals, and the members'
// sub-members (SON attributes).
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Signl_son {
  std::string name;
  std::string value;
};

struct Signl {
  std::string name;
  std::string width;
  std::string dir;
  std::vector<Signl_son> sons;
  int son_count = 0;

  void build_array(int n) {
    sons.assign(static_cast<size_t>(n), Signl_son());
    son_count = n;
  }
};

struct Group {
  std::string name;
  int member_count = 0;
  std::vector<Signl> members;

  void build_array(int n) { members.assign(static_cast<size_t>(n), Signl()); }
};

using Groups = std::vector<Group>;

}  // namespace korvex
