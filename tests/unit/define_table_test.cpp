// The define table: command-line defines first, TRUE, then the statements;
// repeated names, UNDEF, .GLOBAL, and the capacity rule.
#include "defines/define_table.h"
#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;

class DefineTableTest : public testing::KorvexTest {};

// "name" per entry, with "-" for an undefined one and "*" for a global one.
std::vector<std::string> entries(const Defs& t) {
  std::vector<std::string> out;
  for (const Def& d : t) out.push_back((d.defined ? "" : "-") + d.name + (d.global ? "*" : ""));
  return out;
}

TEST_F(DefineTableTest, Statements) {
  struct Case {
    std::vector<std::string> cmd;
    std::vector<std::string> lines;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {{}, {}, {"TRUE"}},
      {{"X"}, {"UNDEF X"}, {"-X*", "TRUE"}},
      // Redefining appends a new entry instead of reviving the old one.
      {{}, {"DEFINE A", "UNDEF A", "DEFINE A"}, {"TRUE", "-A", "A"}},
      {{}, {"UNDEF NEVER"}, {"TRUE"}},
      // .GLOBAL marks only a new entry.
      {{}, {"DEFINE A", "DEFINE.GLOBAL A", "DEFINE.GLOBAL B", "DEFINE.CMD C"},
       {"TRUE", "A", "B*", "C"}},
  };
  for (const Case& c : cases) {
    Defs cmd;
    for (const std::string& n : c.cmd) cmd.push_back(Def{n, true, false, true});
    Defs t;
    EXPECT_EQ(set_defs(run, lines_of(c.lines), t, cmd), static_cast<int>(c.expected.size()));
    EXPECT_EQ(entries(t), c.expected);
  }
}

TEST_F(DefineTableTest, CapacityCountsCommandLineAndTrue) {
  options.MAX_DEFS = 4;
  const Defs cmd = {Def{"X", true, false, true}};
  Defs t;
  EXPECT_EQ(set_defs(run, lines_of({"DEFINE A"}), t, cmd), 3);
  const KorvexError e = error_of([&] {
    set_defs(run, lines_of({"DEFINE A", "DEFINE B"}), t, cmd);
  });
  EXPECT_EQ(e.number, 107);
  EXPECT_EQ(e.message,
            "Korvex General error 107\n\nDefine number exceeded maximum size of 4  (use max_defs "
            "flag)\n");
}

}  // namespace
}  // namespace korvex
