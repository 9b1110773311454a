// GROUP definitions: the four passes, their order and their errors.
#include "groups/group_definitions.h"

#include "group_test_util.h"

namespace korvex::test {
namespace {

using GroupDefinitions = GroupTest;

Groups define(RunContext& run, const std::vector<std::string>& texts) {
  Lines lines = lines_of(texts, "defs.v");
  Groups table;
  set_groups(run, lines, table);
  return table;
}

// "name width dir" of every member.
std::vector<std::string> members_of(const Group& g) {
  std::vector<std::string> out;
  for (const Signl& m : g.members) out.push_back(m.name + " " + m.width + " " + m.dir);
  return out;
}

TEST_F(GroupDefinitions, SubMembersFollowCopiesButNotInversions) {
  const Groups table =
      define(run, {"GROUP axi is {", "awuser USER_W output SON(kind addr)", "}",
                   "GROUP axi_s inverts axi", "GROUP pair joins {", "GROUP axi prefix_m0_", "}"});
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].members[0].sons[0].value, "addr");
  EXPECT_TRUE(table[1].members[0].sons.empty());
  EXPECT_EQ(members_of(table[2]), (std::vector<std::string>{"m0_awuser USER_W output"}));
  EXPECT_EQ(table[2].members[0].sons[0].name, "kind");
}

TEST_F(GroupDefinitions, PassesRunInTheirOrder) {
  const Groups table =
      define(run, {"GROUP big extends {", "c 1 input", "}",       // extends before its is
                   "GROUP j joins {", "GROUP big suffix_x", "}",  // joins sees the extended group
                   "GROUP big is {", "a 1 input", "b 2 output", "}",  //
                   "GROUP big extends {", "d 1 input", "}",  // two extends add in file order
                   "GROUP j joins {", "GROUP big[0] prefix_p_",
                   "}"});  // joins of an existing name replaces
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(members_of(table[0]),
            (std::vector<std::string>{"a 1 input", "b 2 output", "c 1 input", "d 1 input"}));
  EXPECT_EQ(table[1].name, "j");
  EXPECT_EQ(members_of(table[1]), (std::vector<std::string>{"p_a 1 input"}));
}

TEST_F(GroupDefinitions, OverridesRemovesOtherDefinitionsOfItsName) {
  const Groups table =
      define(run, {"GROUP a is {", "x 1 input", "}", "GROUP a extends {", "y 1 input", "}",
                   "GROUP axis is {", "q 1 input", "}",  // a name holding "is" is no special case
                   "GROUP a overrides {", "z 8 output", "}", "GROUP axis overrides {", "r 2 input",
                   "}", "GROUP a inverts axis"});
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].name, "a");
  EXPECT_EQ(members_of(table[0]), (std::vector<std::string>{"z 8 output"}));
  EXPECT_EQ(table[1].name, "axis");
  EXPECT_EQ(members_of(table[1]), (std::vector<std::string>{"r 2 input"}));
}

TEST_F(GroupDefinitions, MemberLines) {
  const Groups table = define(run, {"GROUP g is {", "a  8   input SON(id 1) SON (kind big one)",
                                    "b 0 output", "SON(x y) c W", "d", "   ", "}", "GROUP z is {",
                                    "n 0 input", "}", "GROUP v inverts g"});
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(members_of(table[0]), (std::vector<std::string>{"a 8 input", "c W ", "d  "}));
  const Signl& a = table[0].members[0];
  ASSERT_EQ(a.sons.size(), 2u);
  EXPECT_EQ(a.son_count, 2);
  EXPECT_EQ(a.sons[1].name, "kind");
  EXPECT_EQ(a.sons[1].value, "big one");
  EXPECT_EQ(table[0].members[1].sons[0].value, "y");
  EXPECT_EQ(table[1].member_count, 0);  // every member had width 0
  // Inverting: input <-> output, empty and partial texts become output.
  EXPECT_EQ(members_of(table[2]), (std::vector<std::string>{"a 8 output", "c W output",
                                                            "d  output"}));
}

TEST_F(GroupDefinitions, SonTextWithoutParenthesis) {
  EXPECT_EQ(raised([&] { define(run, {"GROUP g is {", "PERSON 8 input", "}"}); }), 300);
  // Text between SON and its parenthesis does not stall the reading.
  const Groups table = define(run, {"GROUP g is {", "a 1 input SONx(k v)", "}"});
  EXPECT_EQ(members_of(table[0]), (std::vector<std::string>{"a 1 input"}));
}

TEST_F(GroupDefinitions, Errors) {
  struct Case {
    std::vector<std::string> lines;
    int error;
    std::string text;
  } cases[] = {
      {{"GROUP a is {", "x 1 input", "}", "GROUP a is {", "}"}, 310,
       "line 4: GROUP a is {\nGROUP a has been previously defined\n"},
      {{"GROUP a is {", "GROUP b", "}"}, 311,
       "line 2: GROUP b\nGROUP a definition can not have a GROUP member (try using joins)\n"},
      // Substring recognition: " is" in "isr_bus" makes this an is header.
      {{"GROUP b is {", "x 1 input", "}", "GROUP isr_bus joins {", "GROUP b", "}"}, 311, ""},
      {{"GROUP a extends {", "x 1 input", "}"}, 312,
       "GROUP a definition can not use extend without being previously defined (try using is)"},
      {{"GROUP b is {", "}", "GROUP j joins {", "GROUP b", "}", "GROUP j extends {", "}"}, 312, ""},
      {{"GROUP a is {", "x 1 input", "GROUP b is {", "}"}, 343,
       "line 1: GROUP a is {\nGroup definition is not closed\n"},
      {{"GROUP a is {", "x 1 input"}, 343, "line 1: GROUP a is {"},
      {{"GROUP a is {", "}", "GROUP a extends {", "x 1 input"}, 343, "line 3:"},
      {{"GROUP a is {", "}", "GROUP j joins {", "GROUP a"}, 343, "line 3:"},
      {{"GROUP a is {", "}", "GROUP j joins {", "GROUP k joins {", "}", "}"}, 343, "line 3:"},
      {{"GROUP a is {", "}", "GROUP j joins {", "GROUP k inverts a", "}"}, 343, "line 3:"},
      {{"GROUP a overrides {", "}", "GROUP a is {", "x 1 input"}, 343, "line 3:"},
      {{"GROUP j joins {", "GROUP nope", "}"}, 308, "group nope is not declared"},
      {{"GROUP j inverts nope"}, 308, "group nope is not declared"},
  };
  for (const Case& c : cases) {
    std::string msg;
    EXPECT_EQ(raised([&] { define(run, c.lines); }, &msg), c.error) << c.lines[0];
    EXPECT_NE(msg.find(c.text), std::string::npos) << msg;
  }
}

TEST_F(GroupDefinitions, CapacitiesHoldInEveryPass) {
  options.MAX_DEFS = 3;
  struct Case {
    std::vector<std::string> lines;
    int error;
  } cases[] = {
      {{"GROUP a is {", "}", "GROUP b is {", "}"}, 0},
      {{"GROUP a is {", "}", "GROUP b is {", "}", "GROUP c is {", "}"}, 109},
      {{"GROUP a is {", "}", "GROUP b inverts a", "GROUP c inverts a"}, 109},
      {{"GROUP a is {", "}", "GROUP j joins {", "}", "GROUP k joins {", "}"}, 109},
      {{"GROUP a is {", "x 1 input", "y 1 input", "}"}, 0},
      {{"GROUP a is {", "x 1 input", "y 1 input", "z 1 input", "}"}, 110},
      {{"GROUP a is {", "x 1 input", "y 0 input", "z 0 input", "}"}, 0},
      {{"GROUP a is {", "x 1 input", "y 1 input", "}", "GROUP a extends {", "z 1 input", "}"}, 110},
      {{"GROUP a is {", "x 1 input", "y 1 input", "}", "GROUP j joins {", "GROUP a", "GROUP a[0]",
        "}"},
       110},
  };
  for (const Case& c : cases) {
    std::string msg;
    EXPECT_EQ(raised([&] { define(run, c.lines); }, &msg), c.error) << c.lines.back();
    if (c.error == 109) {
      EXPECT_NE(msg.find("Group number exceeded maximum size of 3  (use max_defs flag)"),
                std::string::npos);
    }
    if (c.error == 110) {
      EXPECT_NE(msg.find("members exceed maximum size of 3  (use max_defs flag)"),
                std::string::npos);
    }
  }
}

TEST_F(GroupDefinitions, OverriddenLinesBecomeEmpty) {
  Lines lines = lines_of({"GROUP a is {", "x 1 input", "}", "GROUP a overrides {", "y 1 input",
                          "}", "GROUP a inverts b", "GROUP j joins {", "GROUP a prefix_is_", "}"});
  set_groups_pass0(run, lines);
  EXPECT_EQ(texts_of(lines),
            (std::vector<std::string>{"", "", "", "GROUP a overrides {", "y 1 input", "}", "",
                                      "GROUP j joins {", "GROUP a prefix_is_", "}"}));
}

}  // namespace
}  // namespace korvex::test
