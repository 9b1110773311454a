// Helpers shared by the group tests: line arrays from texts, error capture,
// and probes for the services of other subsystems that some tests need.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/errors.h"
#include "driver/settings.h"
#include "expr/conditions.h"
#include "groups/group.h"
#include "swaps/swap_table.h"
#include "text/line.h"

namespace korvex::test {

inline Lines lines_of(const std::vector<std::string>& texts, const std::string& file = "f.v") {
  Lines out;
  int n = 0;
  for (const std::string& t : texts) {
    Line l;
    l.file = file;
    l.text = t;
    l.num = ++n;
    out.push_back(l);
  }
  return out;
}

inline std::vector<std::string> texts_of(const Lines& lines) {
  std::vector<std::string> out;
  for (const Line& l : lines) out.push_back(l.text);
  return out;
}

inline Line line_of(const std::string& text) {
  Line l;
  l.file = "f.v";
  l.text = text;
  l.num = 1;
  return l;
}

// The error number a call raises (0 when none), with its message.
template <class F>
int error_of(F&& f, std::string* message = nullptr) {
  try {
    f();
  } catch (const KorvexError& e) {
    if (message) *message = e.message;
    return e.number;
  }
  return 0;
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

// Whether the real condition evaluator and parameter substitution are
// linked in (their stand-ins do nothing until those subsystems land).
inline bool have_conditions() {
  return get_true(line_of("x"), "SON(1==1)", "SON") == "TRUE";
}
inline bool have_group_swap() {
  std::string t = "W";
  group_swap(t, Swaps{Swap{"W", "8", false, false}});
  return t == "8";
}

class GroupTest : public ::testing::Test {
 protected:
  void SetUp() override { reset_settings(); }
  void TearDown() override { reset_settings(); }
};

}  // namespace korvex::test
