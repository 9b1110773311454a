// Lookup by longest prefix, member selection and its text cleaning.
#include "groups/group_table.h"

#include "group_test_util.h"

namespace korvex::test {
namespace {

using GroupTable = GroupTest;

TEST_F(GroupTable, LookupTakesTheLongestNameThatBeginsTheText) {
  const Groups table = {group("a", {}), group("ab", {}), group("axi", {}), group("axi_rd", {}),
                        group("ab", {})};
  struct Case {
    std::string text;
    int exact;
    int want;
  } cases[] = {
      {"ab.WIDTH", 0, 1},  {"a.WIDTH", 0, 0},   {"abc", 0, 1},     {"axi_rd.IN", 0, 3},
      {"axi_r", 0, 2},     {"axi", 1, 2},       {"axi_r", 1, -1},  {"xaxi", 0, -1},
      {"a b", 0, 1},       {" axi_rd ", 1, 3},  {"", 0, -1},       {"ab", 1, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(get_group_index(line_of("x"), c.text, table, 1, c.exact), c.want) << c.text;
}

TEST_F(GroupTable, UnknownGroupIsReportedUnlessQuiet) {
  const Groups table = {group("axi", {})};
  std::string msg;
  EXPECT_EQ(raised([&] { get_group_index(line_of("wire GROUP_a x;"), "a x;", table, 0, 0); },
                     &msg),
            308);
  EXPECT_NE(msg.find("line 1: wire GROUP_a x;\ngroup ax; is not declared\n"), std::string::npos)
      << msg;
  EXPECT_EQ(get_group_index(line_of("x"), "bx", table, 1, 0), -1);
}

// Members: awaddr output, awready input, user inout, spare with no direction.
Groups axi_table() {
  return {group("axi", {member("awaddr", "32", "output"), member("awready", "1", "input"),
                        member("user", "4", "inout"), member("spare", "2", "")})};
}

TEST_F(GroupTable, SelectorsPickMembersAndAreRemoved) {
  const Groups table = axi_table();
  struct Case {
    std::string ref;
    std::vector<int> want;
    std::string cleaned;
  } cases[] = {
      {"a GROUP_axi;", {0, 1, 2, 3}, "a GROUP_axi;"},
      {"a GROUP_axi.IN;", {1, 2, 3}, "a GROUP_axi;"},
      {"a GROUP_axi.OUT;", {0, 2, 3}, "a GROUP_axi;"},
      {"a GROUP_axi.IN.OUT;", {2, 3}, "a GROUP_axi;"},
      {"a GROUP_axi[1] = GROUP_axi[1];", {1}, "a GROUP_axi = GROUP_axi;"},
      {"a GROUP_axi[2].IN", {2}, "a GROUP_axi"},
      {"a GROUP_axi[0].IN", {}, "a GROUP_axi"},
      {"a GROUP_axi[ +3 ]", {3}, "a GROUP_axi"},
      {"a GROUP_axi[-1]", {}, "a GROUP_axi"},
      {"a GROUP_axi[-x]", {0}, "a GROUP_axi"},
      {"a GROUP_axi[i]", {0}, "a GROUP_axi"},
      {"a GROUP_axi[1+1]", {1}, "a GROUP_axi"},
      {"a GROUP_axi[ 2x ]", {2}, "a GROUP_axi"},
  };
  for (const Case& c : cases) {
    std::string ref = c.ref;
    std::vector<int> got;
    const int n = get_group_members(run, line_of(c.ref), got, table, ref);
    EXPECT_EQ(got, c.want) << c.ref;
    EXPECT_EQ(n, static_cast<int>(c.want.size())) << c.ref;
    EXPECT_EQ(ref, c.cleaned) << c.ref;
  }
}

TEST_F(GroupTable, IndexAtTheMemberCountIsAnError) {
  const Groups table = axi_table();
  std::string msg;
  std::vector<int> got;
  std::string ref = "GROUP_axi[4]";
  EXPECT_EQ(raised([&] { get_group_members(run, line_of(ref), got, table, ref); }, &msg), 344);
  EXPECT_NE(msg.find("\nGroup index 4 exceeds number of its members(4)\n"), std::string::npos);
}

TEST_F(GroupTable, IndexIsReadFromTheLineText) {
  // The first "axi[" of the line decides, even when it is not the reference.
  const Groups table = axi_table();
  std::vector<int> got;
  std::string ref = "x_axi[1] = GROUP_axi[3];";
  get_group_members(run, line_of(ref), got, table, ref);
  EXPECT_EQ(got, std::vector<int>{1});
}

Groups son_table() {
  return {group("s", {member("a", "1", "input", {{"id", "1"}, {"kind", "2"}}),
                      member("b", "1", "input", {{"id", "2"}, {"kind", "2"}}),
                      member("c", "1", "input", {{"id", "2"}}),
                      member("d", "1", "input", {})})};
}

TEST_F(GroupTable, SonConditionDecidesPerMember) {
  const Groups table = son_table();
  struct Case {
    std::string ref;
    std::vector<int> want;
    std::string cleaned;
  } cases[] = {
      {"x GROUP_s.SON(id == 2)", {1, 2}, "x GROUP_s"},
      {"x GROUP_s.SON(id<2)", {0}, "x GROUP_s"},
      {"x GROUP_s.SON(id!=1).IN", {1, 2}, "x GROUP_s"},
      // kind sits at position 1; c and d have no sub-member there.
      {"x GROUP_s.SON(kind=2)", {0, 1}, "x GROUP_s"},
  };
  for (const Case& c : cases) {
    std::string ref = c.ref;
    std::vector<int> got;
    get_group_members(run, line_of(c.ref), got, table, ref);
    EXPECT_EQ(got, c.want) << c.ref;
    EXPECT_EQ(ref, c.cleaned) << c.ref;
  }
}

TEST_F(GroupTable, SonConditionsThatDoNotFit) {
  const Groups table = son_table();
  std::vector<int> got;
  // An attribute the first member does not have filters nothing and stays.
  std::string ref = "x GROUP_s.SON(size==2)";
  get_group_members(run, line_of(ref), got, table, ref);
  EXPECT_EQ(got, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(ref, "x GROUP_s.SON(size==2)");
  // No value after the sign: nothing is selected.
  ref = "x GROUP_s.SON(id ==)";
  get_group_members(run, line_of(ref), got, table, ref);
  EXPECT_TRUE(got.empty());
  EXPECT_EQ(ref, "x GROUP_s");
  // No sign at all.
  ref = "x GROUP_s.SON(id 2)";
  EXPECT_EQ(raised([&] { get_group_members(run, line_of(ref), got, table, ref); }), 340);
}

}  // namespace
}  // namespace korvex::test
