// Helpers shared by the group tests: groups and members in one expression,
// and probes for the services of other subsystems that some tests need.
#pragma once

#include <string>
#include <vector>

#include "groups/group.h"
#include "swaps/swap_table.h"
#include "test_support.h"

namespace korvex::test {

using korvex::testing::lines_of;
using korvex::testing::texts_of;
using GroupTest = korvex::testing::KorvexTest;

inline Line line_of(const std::string& text) {
  Line l;
  l.file = "f.v";
  l.text = text;
  l.num = 1;
  return l;
}

// The error number a call raises (0 when none), with its message.
inline int raised(const std::function<void()>& f, std::string* message = nullptr) {
  const KorvexError e = korvex::testing::error_of(f);
  if (message) *message = e.message;
  return e.number;
}

inline Signl member(const std::string& name, const std::string& width, const std::string& dir,
                    std::vector<Signl_son> sons = {}) {
  Signl m;
  m.name = name;
  m.width = width;
  m.dir = dir;
  m.sons = std::move(sons);
  m.son_count = static_cast<int>(m.sons.size());
  return m;
}

inline Group group(const std::string& name, std::vector<Signl> members) {
  Group g;
  g.name = name;
  g.member_count = static_cast<int>(members.size());
  g.members = std::move(members);
  return g;
}

// Whether the real parameter substitution is linked in (its stand-in does
// nothing until the swap subsystem lands).
inline bool have_group_swap() {
  std::string t = "W";
  group_swap(t, Swaps{Swap{"W", "8", false, false}});
  return t == "8";
}

}  // namespace korvex::test
