// Group expansion: member lines, attributes, declarations and their blank
// padding, .NUM, GONCAT, quiet rounds and the capacity rule.
#include "groups/group_expansion.h"

#include "group_test_util.h"
#include "groups/group_table.h"

namespace korvex::test {
namespace {

using GroupExpansion = GroupTest;

Groups sample_table() {
  return {
      group("axi", {member("awaddr", "32", "output"), member("awready", "1", "input")}),
      group("w", {member("s", "W", "input"), member("z", "0", "output"), member("n", "-4", "input"),
                  member("e", "", "input"), member("o", "08", "output")}),
      group("io", {member("x", "4", "inout"), member("y", "3", "")}),
      group("k", {member("wire_en", "2", "output")}),
      group("s", {member("a", "1", "input", {{"kind", "ctl"}, {"id", "3"}}),
                  member("b", "2", "output", {{"kind", "dat"}})}),
      group("ab", {member("p", "1", "input"), member("q", "1", "input")}),
      group("a", {member("m", "1", "input")}),
  };
}

std::vector<std::string> expand(RunContext& run, const std::vector<std::string>& texts,
                                int quiet = 0, const Groups& table = sample_table()) {
  Lines lines = lines_of(texts);
  insert_groups(run, lines, table, quiet ? GroupPass::kRepeated : GroupPass::kFinal);
  return texts_of(lines);
}

using V = std::vector<std::string>;

TEST_F(GroupExpansion, DeclarationRuleKeepsColumns) {
  struct Case {
    std::string line;
    V want;
  } cases[] = {
      {"port GROUP_axi,", {"output [31:0]  awaddr,", "input  awready,"}},
      {"portreg GROUP_axi,", {"output reg [31:0]  awaddr,", "input   awready,"}},
      {"revport GROUP_axi,", {"input [31:0]  awaddr,", "output  awready,"}},
      {"revportreg GROUP_axi,", {"input [31:0]  awaddr,", "output reg awready,"}},
      {"wire GROUP_axi;", {"wire [31:0]  awaddr;", "wire awready;"}},
      {"input GROUP_axi;", {"input [31:0]  awaddr;", "input awready;"}},
      {"reg GROUP_axi;", {"reg [31:0]  awaddr;", "reg awready;"}},
      {"portreg  GROUP_axi.IN,", {"input    awready,"}},
      {"port GROUP_w,",
       {"input [W-1:0]  s,", "output  z,", "input  n,", "input  e,", "output [7:0]  o,"}},
      {"port GROUP_io,", {"inout [3:0]  x,", "port y,"}},
      {"wire GROUP_k;", {"wire [1:0]  wire_en;"}},
      {"assign GROUP_axi_q = GROUP_axi;", {"assign awaddr_q = awaddr;", "assign awready_q = awready;"}},
      {"wire_x GROUP_axi;", {"wire_x awaddr;", "wire_x awready;"}},
  };
  for (const Case& c : cases) EXPECT_EQ(expand(run, {c.line}), c.want) << c.line;
}

TEST_F(GroupExpansion, AttributesAndSelections) {
  struct Case {
    std::string line;
    V want;
  } cases[] = {
      {"x[GROUP_s.IDX] = GROUP_s.WIDTH GROUP_s.DIR GROUP_s.kind GROUP_s.id GROUP_s;",
       {"x[0] = 1 input ctl 3 a;", "x[1] = 2 output dat b.id b;"}},
      {"q = GROUP_axi[1];", {"q = awready;"}},
      {"q = GROUP_axi.IN.IDX;", {"q = 1;"}},
      {"wire GROUP_axi.IN.OUT;", {}},
      // .IN anywhere in the line filters every reference to the group.
      {"n = GROUP_axi.NUM; m = GROUP_axi.IN.NUM;", {"n = 1; m = 1;"}},
      {"n = GROUP_axi.NUM;", {"n = 2;"}},
      {"m = GROUP_axi.IN.NUM;", {"m = 1;"}},
      {"x = GONCAT(GROUP_axi ,);", {"x = awaddr , awready;"}},
      {"x = GONCAT.REV(GROUP_axi.WIDTH +);", {"x = 1 + 32;"}},
      {"x = {GONCAT(GROUP_axi.IN ,)};", {"x = {awready};"}},
      {"x = {GONCAT(GROUP_axi.IN.OUT ,)};", {"x = {};"}},
      {"x = GONCAT(d_GROUP_s.kind_q |) & GONCAT.REV(GROUP_s.IDX ,);",
       {"x = d_ctl_q | d_dat_q & 1 , 0;"}},
      {"x = GONCAT(GROUP_s.id ,);", {"x = 3 , ;"}},
      {"x = GONCAT(GROUP_s.DIR ,) GROUP_s;", {"x = input , output GROUP_s;"}},
      // Every GROUP_a is replaced, the start of GROUP_ab included.
      {"assign GROUP_a = GROUP_ab;", {"assign m = mb;"}},
  };
  for (const Case& c : cases) EXPECT_EQ(expand(run, {c.line}), c.want) << c.line;
}

TEST_F(GroupExpansion, OneGroupPerCallAndPendingFlags) {
  Lines lines = lines_of({"a GROUP_axi <= GROUP_ab;", "n = GROUP_axi.NUM;", "plain"});
  lines[1].pending = 0;
  const Groups table = sample_table();
  int changed = -1;
  EXPECT_EQ(insert_groups(run, lines, table, GroupPass::kRepeated, &changed), 0);
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(texts_of(lines), (V{"a awaddr <= GROUP_ab;", "a awready <= GROUP_ab;", "n = 2;", "plain"}));
  EXPECT_EQ(lines[0].pending, 1);
  EXPECT_EQ(lines[2].pending, 0);  // .NUM keeps the flag
  EXPECT_EQ(lines[0].num, 1);
  EXPECT_EQ(insert_groups(run, lines, table, GroupPass::kRepeated, &changed), 5);
  EXPECT_EQ(texts_of(lines), (V{"a awaddr <= p;", "a awaddr <= q;", "a awready <= p;",
                                "a awready <= q;", "n = 2;", "plain"}));
  EXPECT_EQ(insert_groups(run, lines, table, GroupPass::kRepeated, &changed), -1);
  EXPECT_EQ(changed, 0);
}

TEST_F(GroupExpansion, QuietCallsLeaveUnknownGroups) {
  Lines lines = lines_of({"wire GROUP_axi;", "wire GROUP_nope;"});
  const Groups table = sample_table();
  int changed = -1;
  EXPECT_EQ(insert_groups(run, lines, table, GroupPass::kRepeated, &changed),
            -1);  // the last reference decides
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(texts_of(lines), (V{"wire [31:0]  awaddr;", "wire awready;", "wire GROUP_nope;"}));
  std::string msg;
  EXPECT_EQ(raised([&] { insert_groups(run, lines, table, GroupPass::kFinal); }, &msg), 308);
  EXPECT_NE(msg.find("line 2: wire GROUP_nope;\ngroup nope; is not declared\n"), std::string::npos)
      << msg;
}

TEST_F(GroupExpansion, SelfReferenceEndsTheQuietRounds) {
  // Member GROUP_r of group r puts the reference back on every expansion.
  const Groups table = {group("r", {member("GROUP_r", "8", "input"), member("b", "1", "input")}),
                        group("p", {member("GROUP_q", "1", "input")}),
                        group("q", {member("GROUP_p", "1", "input")}),
                        group("t", {member("GROUP_p", "1", "input")})};
  Lines lines = lines_of({"wire GROUP_r;", "x GROUP_p;", "y GROUP_t;"});
  int changed = 1;
  int rounds = 0;
  while (changed && insert_groups(run, lines, table, GroupPass::kRepeated, &changed) >= 0)
    ASSERT_LT(++rounds, 10);
  EXPECT_EQ(texts_of(lines), (V{"wire GROUP_r;", "x GROUP_p;", "y GROUP_p;"}));
  insert_groups(run, lines, table, GroupPass::kFinal);
  EXPECT_EQ(texts_of(lines), (V{"wire [7:0]  GROUP_r;", "wire b;", "x GROUP_q;", "y GROUP_q;"}));
}

TEST_F(GroupExpansion, LineCapacityIsCheckedAsLinesAreMade) {
  options.MAX_LINES = 4;
  const Groups table = sample_table();
  Lines lines = lines_of({"a", "wire GROUP_axi;", "b"});
  insert_groups(run, lines, table, GroupPass::kFinal);
  EXPECT_EQ(lines.size(), 4u);
  lines = lines_of({"a", "wire GROUP_w;"});
  std::string msg;
  EXPECT_EQ(raised([&] { insert_groups(run, lines, table, GroupPass::kFinal); }, &msg), 102);
  EXPECT_NE(msg.find("Line copy exceeded maximum size of 4 lines (use max_lines flag)"),
            std::string::npos);
}

TEST_F(GroupExpansion, ParametersAreTakenOutOfTheLine) {
  Swaps params;
  std::string ref = "port GROUP_w.PARAM(W 8).PARAM( X  a b ).PARAMx(Y 1), GROUP_w.PARAM(W 8)";
  get_group_params(line_of(ref), ref, params);
  EXPECT_EQ(ref, "port GROUP_w, GROUP_w");
  ASSERT_EQ(params.size(), 3u);
  EXPECT_EQ(params[0].name, "W");
  EXPECT_EQ(params[0].value, "8");
  EXPECT_EQ(params[1].name, "X");
  EXPECT_EQ(params[1].value, " a b ");
  EXPECT_EQ(params[2].name, "Y");
  EXPECT_EQ(raised([] {
              std::string r = "GROUP_w.PARAM(W 8";
              Swaps p;
              get_group_params(line_of(r), r, p);
            }),
            300);
}

TEST_F(GroupExpansion, ParametersApplyToTheirOwnLineOnly) {
  EXPECT_EQ(
      expand(run, {"port GROUP_w[0].PARAM(W 8),", "port GROUP_w[0],", "x = GROUP_w[0].WIDTH;"}),
      (V{"input [7:0]  s,", "input [W-1:0]  s,", "x = W;"}));
  EXPECT_EQ(expand(run, {"x = GONCAT(GROUP_w.WIDTH.PARAM(W 2) +);"}),
            (V{"x = 2 + 0 + -4 +  + 08;"}));
}

TEST_F(GroupExpansion, MostSignificantBit) {
  struct Case {
    std::string width, msb;
  } cases[] = {{"32", "31"},  {"1", "0"},   {"10", "9"},  {"100", "99"}, {"08", "7"},
               {"W", "W-1"}, {"0", ""},    {"000", ""},  {"", ""},      {"-4", "-4-1"},
               {"100000000000000000000", "99999999999999999999"}};
  for (const Case& c : cases) EXPECT_EQ(get_msb(c.width), c.msb) << c.width;
}

}  // namespace
}  // namespace korvex::test
