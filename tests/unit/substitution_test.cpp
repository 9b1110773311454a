// Swap substitution: table order, CONST protection, the SWAP and CHECK
// exemptions, pending flags, and the NULL value.
#include "defines/define_table.h"
#include "swaps/name_matcher.h"
#include "swaps/swap_table.h"
#include "test_support.h"
#include "text/strings.h"

namespace korvex {
namespace {

using testing::lines_of;
using testing::texts_of;
using Texts = std::vector<std::string>;

class SubstitutionTest : public testing::KorvexTest {};

Swaps table_of(const std::vector<std::pair<std::string, std::string>>& pairs) {
  Swaps t;
  for (const auto& [n, v] : pairs) t.push_back(Swap{n, v, false, false});
  return t;
}

TEST_F(SubstitutionTest, OneRunOverLines) {
  struct Case {
    Swaps table;
    Texts in;
    Texts out;
  };
  const std::vector<Case> cases = {
      {table_of({{"W", "8"}}), {"W WW xW"}, {"8 88 x8"}},
      // CONST protects the name right after it only.
      {table_of({{"W", "8"}}), {"x = CONST(W) + W + CONST(WW)"}, {"x = CONST(W) + 8 + CONST(W8)"}},
      // Protection holds whatever letters the name shares with any marker text.
      {table_of({{"M", "8"}, {"G", "4"}}), {"CONST(M) M CONST(G) G"}, {"CONST(M) 8 CONST(G) 4"}},
      // A later entry catches a name that an earlier value brought in ...
      {table_of({{"A", "B"}, {"B", "C"}}), {"A"}, {"C"}},
      // ... an earlier one does not.
      {table_of({{"B", "C"}, {"A", "B"}}), {"A"}, {"B"}},
      // A name found in the line is lost to an earlier entry's replacement.
      {table_of({{"A", "x"}, {"AB", "y"}, {"C", "z"}}), {"AB C"}, {"xB z"}},
      // A name made by joining text around a deleted name is caught later.
      {table_of({{"Q", "NULL"}, {"AB", "z"}}), {"AQB"}, {"z"}},
      // The declaring statement keeps its own name but not the others.
      {table_of({{"W", "8"}, {"X", "1"}}), {"SWAP W X", "SWAP.GLOBAL W X"}, {"SWAP W 1", "SWAP.GLOBAL W 1"}},
      // CHECK statements keep the name as written.
      {table_of({{"W", "8"}}), {"CHECK(W) W"}, {"CHECK(W) W"}},
      // A NULL value deletes; a line emptied entirely stays as an empty line.
      {table_of({{"GONE", "NULL"}}), {"a GONE b", "GONE", "next"}, {"a  b", "", "next"}},
  };
  for (const Case& c : cases) {
    Lines l = lines_of(c.in);
    insert_swaps(run, l, c.table, Scope::kAll);
    EXPECT_EQ(texts_of(l), c.out) << c.in[0];
  }
}

TEST_F(SubstitutionTest, NamesFromCrossSubstitutionMeetTheLineInOneOrTwoRuns) {
  for (const bool wide_first : {false, true}) {
    Swaps t;
    set_swaps(run,
              lines_of(wide_first ? Texts{"SWAP DATA_WIDTH 32", "SWAP WIDTH 8"}
                                  : Texts{"SWAP WIDTH 8", "SWAP DATA_WIDTH 32"}),
              t, 0);
    Lines l = lines_of({"DATA_WIDTH + WIDTH"});
    insert_swaps(run, l, t, Scope::kAll);
    EXPECT_EQ(l[0].text, wide_first ? "DATA_8 + 8" : "32 + 8");
    insert_swaps(run, l, t, Scope::kAll);
    EXPECT_EQ(l[0].text, "32 + 8");
  }
}

TEST_F(SubstitutionTest, PendingFlagsAndResult) {
  const Swaps t = table_of({{"W", "8"}});
  Lines l = lines_of({"W a", "W b", "c"});
  l[0].pending = 0;
  l[2].pending = 0;
  EXPECT_EQ(insert_swaps(run, l, t, Scope::kPending), 1);
  EXPECT_EQ(texts_of(l), (Texts{"W a", "8 b", "c"}));
  EXPECT_EQ(insert_swaps(run, l, t, Scope::kPending),
            0);  // "8 b" still pending, nothing left to change
  // A protected name still counts as a change.
  Lines c = lines_of({"CONST(W)"});
  c[0].pending = 0;
  EXPECT_EQ(insert_swaps(run, c, t, Scope::kAll), 1);
  EXPECT_EQ(c[0].pending, 1);

  // The combined pass skips swaps the census did not see, unless final, and
  // clears every pending flag.
  cntr census;
  Defs defs;
  Lines d = lines_of({"W"});
  insert_swaps_defs(run, census, d, t, defs, Scope::kPending);
  EXPECT_EQ(d[0].text, "W");
  EXPECT_EQ(d[0].pending, 0);
  insert_swaps_defs(run, census, d, t, defs, Scope::kAll);
  EXPECT_EQ(d[0].text, "8");
  EXPECT_EQ(d[0].pending, 0);
}

TEST_F(SubstitutionTest, StringForms) {
  const Swaps t = table_of({{"W", "8"}, {"V", "NULL"}});
  std::string s = "CONST(W) W V";
  swap_line(s, t);
  EXPECT_EQ(s, "CONST(W) 8 ");
  s = "CONST(W) W V";
  group_swap(s, t);  // no protection
  EXPECT_EQ(s, "CONST(8) 8 ");
}

TEST_F(SubstitutionTest, ManySwapsManyLines) {
  // The matcher must give what testing each name in table order gives.
  Swaps t;
  for (int i = 0; i < 60; ++i)
    t.push_back(Swap{"N" + std::to_string(i),
                     i % 7 == 0   ? "NULL"
                     : i % 3 == 0 ? "q" + std::to_string(i)
                                  : "N" + std::to_string(i * 3 % 70),
                     false, false});
  Lines fast;
  std::vector<std::string> slow;
  for (int i = 0; i < 300; ++i) {
    std::string text = "x N" + std::to_string(i % 70) + "N" + std::to_string(i * 11 % 70) + " y";
    Line& l = fast.emplace_back();
    l.file = "t.v";
    l.text = text;
    l.num = i + 1;
    l.pending = 1;
    for (const Swap& s : t)
      if (match(text, s.name) && !s.name.empty()) swap_line_single(text, s);
    slow.push_back(text);
  }
  insert_swaps(run, fast, t, Scope::kAll);
  EXPECT_EQ(texts_of(fast), slow);
}

}  // namespace
}  // namespace korvex

namespace korvex {
namespace {

TEST(NameMatcher, ALineWithoutTheCapitalsOfEveryNameIsNotRead) {
  NameMatcher m;
  set_name_matcher(m, {"BUILD_NUM", "", "VERSION"});
  EXPECT_FALSE(may_hold_name(m, LineText("assign v = b_u;")));  // first bytes, no capitals
  EXPECT_TRUE(may_hold_name(m, LineText("x = VERSION;")));
  EXPECT_FALSE(may_hold_name(m, LineText("x = B;")));  // not all of a name's capitals
  EXPECT_TRUE(may_hold_name(m, LineText("BUILD NUM")));  // all of them: the search decides
  // A name without capitals turns the test off.
  set_name_matcher(m, {"XY", "abc"});
  EXPECT_TRUE(may_hold_name(m, LineText("abc")));
  // Whatever the names, few or many sets of capitals, a line that holds
  // one is read.
  std::vector<std::string> names = {"Ab", "bC", "x_Y", "QQ", "zZz"};
  for (int round = 0; round < 2; ++round) {
    set_name_matcher(m, names);
    for (const std::string& name : names)
      for (const std::string& around : {std::string(), std::string("q "), std::string("AB ")})
        EXPECT_TRUE(may_hold_name(m, LineText(around + name + around))) << name;
    for (char c = 'A'; c <= 'Z'; ++c) names.push_back(std::string("n") + c + "Q");
  }
}

TEST_F(SubstitutionTest, TraceLines) {
  testing::TempDir dir;
  const std::string path = dir.path() + "/korvex.dbg";
  options.DEBUG = true;
  options.VERBOSE = true;
  state.debugfile.open(path);
  Defs defs;
  set_defs(run, lines_of({"DEFINE A"}), defs, {Def{"X", true, false, true}});
  Swaps t;
  set_swaps(run, lines_of({"SWAP.GLOBAL W 8", "SWAP Z 2"}), t, 0);
  Lines l = lines_of({"W a", "b"});
  insert_swaps(run, l, t, Scope::kPending);
  insert_swaps(run, l, t, Scope::kPending);
  state.debugfile.close();
  std::ifstream in(path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text,
            "Total of 3 defs: \nDef (global) 0: X\nDef 1: TRUE\nDef 2: A\n\n"
            "Total of 4 swaps: \nSwap 0: BUILD_NUM -> 0\nSwap 1: VERSION -> 1.2\n"
            "Swap (global) 2: W -> 8\nSwap 3: Z -> 2\n\n"
            // Each entry is named just before what is found of it in the first line.
            "Starting swap BUILD_NUM -> 0\nStarting swap VERSION -> 1.2\nStarting swap W -> 8\n"
            "found W in line 0: W a\nStarting swap Z -> 2\n"
            "---------- print debug start ---------- insert_swaps\n8 a\nb\n"
            "---------- print debug end ---------- insert_swaps\n\n"
            "Starting swap BUILD_NUM -> 0\nStarting swap VERSION -> 1.2\nStarting swap W -> 8\n"
            "Starting swap Z -> 2\nNo swaps found\n");
}

}  // namespace
}  // namespace korvex
