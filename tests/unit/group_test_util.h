// Helpers shared by the group tests: groups and members in one expression.
#pragma once

#include <string>
#include <vector>

#include "groups/group.h"
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

}  // namespace korvex::test
