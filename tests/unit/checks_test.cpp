// Structural checks: statement forms, LOOP / ENDLOOP pairing and the order in
// which problems are reported.
#include <gtest/gtest.h>

#include <functional>

#include "driver/errors.h"
#include "driver/settings.h"
#include "text/checks.h"

namespace korvex {
namespace {

Lines stmts(std::initializer_list<const char*> texts) {
  Lines lines;
  int n = 0;
  for (const char* t : texts) {
    Line l;
    l.file = "top.v";
    l.num = ++n;
    l.text = t;
    lines.push_back(l);
  }
  return lines;
}

// The error number, and the message's line part and text ("" when none).
std::pair<int, std::string> error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const KorvexError& e) {
    const size_t at = e.message.find("File top.v");
    return {e.number, at == std::string::npos ? e.message : e.message.substr(at)};
  }
  return {0, ""};
}

class Checks : public ::testing::Test {
 protected:
  void SetUp() override { reset_settings(); }
  void TearDown() override { reset_settings(); }
};

TEST_F(Checks, EndloopPairing) {
  const Lines nested = stmts({"LOOP a 2", "LOOP b", "x", "ENDLOOP b", "ENDLOOP a", "y"});
  EXPECT_EQ(check_endloop("a", 1, nested), 4);
  EXPECT_EQ(check_endloop("b", 2, nested), 3);

  struct Case {
    Lines lines;
    int number;
    std::string where;
  };
  const Case cases[] = {
      {stmts({"LOOP i 2", "x", "ENDLOOP j"}), 331,
       "File top.v: line 3: ENDLOOP j\nFound ENDLOOP j while expecting ENDLOOP i\n"},
      {stmts({"LOOP a 2", "LOOP b 2", "ENDLOOP a"}), 331,
       "File top.v: line 3: ENDLOOP a\nFound ENDLOOP a while expecting ENDLOOP b\n"},
      // Reported against the LOOP statement, blank at the end of the text.
      {stmts({"LOOP i 2", "x"}), 332, "File top.v: line 1: LOOP i 2\nLOOP i has no matching ENDLOOP \n"},
      {stmts({"LOOP i 2"}), 332, "File top.v: line 1: LOOP i 2\nLOOP i has no matching ENDLOOP \n"},
      // The inner loop is the one left open.
      {stmts({"LOOP a 2", "LOOP b 2", "x"}), 332,
       "File top.v: line 2: LOOP b 2\nLOOP b has no matching ENDLOOP \n"},
  };
  for (const Case& c : cases) {
    const auto [number, where] = error_of([&] { check_lines(c.lines); });
    EXPECT_EQ(number, c.number) << c.where;
    EXPECT_EQ(where, c.where);
  }
}

TEST_F(Checks, CreateHandOverIsNoLoop) {
  EXPECT_EQ(error_of([] { check_lines(stmts({"CREATE sub.v DEFCMD(LOOP N 4)"})); }).first, 0);
  EXPECT_EQ(check_endloop("a", 1, stmts({"LOOP a 2", "CREATE s.v DEFCMD( LOOP b 2)", "ENDLOOP a"})),
            2);
}

TEST_F(Checks, DeepNestingIsLinearAndStackSafe) {
  const int depth = 60000;
  Lines lines;
  lines.reserve(2 * depth);
  for (int i = 0; i < depth; ++i) lines.push_back({"top.v", "LOOP L" + std::to_string(i) + " 2", "", i + 1, 0, 0});
  for (int i = depth - 1; i >= 0; --i)
    lines.push_back({"top.v", "ENDLOOP L" + std::to_string(i), "", 2 * depth - i, 0, 0});
  EXPECT_EQ(error_of([&] { check_lines(lines); }).first, 0);
  lines.pop_back();
  const auto [number, where] = error_of([&] { check_lines(lines); });
  EXPECT_EQ(number, 332);
  EXPECT_EQ(where, "File top.v: line 1: LOOP L0 2\nLOOP L0 has no matching ENDLOOP \n");
}

TEST_F(Checks, SourceStatementForms) {
  struct Case {
    const char* text;
    int number;
    const char* message;
  };
  const Case cases[] = {
      {"wire ITERATE;", 316, "ITER: definition must start with ITER keyword \n"},
      {"ENDITER k x", 317, "ENDITER: definition must be 2 words \n"},
      {"STOMP", 318, "STOMP: definition must be 2 to 3 words \n"},
      {"ENDLOOP", 317, "ENDLOOP: definition must be 2 words \n"},
      {"LOOP i 1 2 3", 318, "LOOP: definition must be 2 to 4 words \n"},
      {"ELSE.X A", 0, ""},
      {"ENDIF A", 0, ""},
  };
  for (const Case& c : cases) {
    const auto [number, where] = error_of([&] { check_lines(stmts({c.text})); });
    EXPECT_EQ(number, c.number) << c.text;
    if (c.number) {
      EXPECT_EQ(where, "File top.v: line 1: " + std::string(c.text) + "\n" + c.message);
    }
  }
}

TEST_F(Checks, ReportOrder) {
  // A LOOP's pairing is checked when the walk reaches it, before the forms of
  // the statements after it.
  EXPECT_EQ(error_of([] { check_lines(stmts({"LOOP a 2", "IFDEF A B", "ENDLOOP b"})); }).first, 331);
  // The form of the LOOP statement comes before its pairing.
  EXPECT_EQ(error_of([] { check_lines(stmts({"LOOP a 1 2 3", "x"})); }).first, 318);
  // Parenthesised keywords are checked first in the source, last in the
  // definition.
  EXPECT_EQ(error_of([] { check_lines(stmts({"x = EXPR(1; // ELSE"})); }).first, 315);
  EXPECT_EQ(error_of([] { check_def_lines(stmts({"DEFINE X EXPR(1"})); }).first, 317);
  EXPECT_EQ(error_of([] { check_def_lines(stmts({"SWAP X EXPR(1"})); }).first, 315);
  // A paired nested loop is still checked for its form.
  EXPECT_EQ(error_of([] {
              check_lines(stmts({"LOOP a 2", "LOOP b 1 2 3", "ENDLOOP b", "ENDLOOP a"}));
            }).first,
            318);
}

TEST_F(Checks, DefinitionForms) {
  struct Case {
    const char* text;
    int number;
    const char* message;
  };
  const Case cases[] = {
      {"DEFINE.GLOBAL X", 0, ""},
      {"DEFINE X Y", 317, "DEFINE: definition must be 2 words \n"},
      {"GROUP g is {", 0, ""},
      {"GROUP g inverts h", 0, ""},
      {"GROUP g is{ a", 0, ""},
      {"GROUP g has {", 321,
       "GROUP definition must be of type 'is', 'joins', 'inverts' or 'overrides' or 'extends'\n"},
      {"SWAP A", 318, "SWAP: definition must be 3 to 1000 words \n"},
      {"LOOP N", 318, "LOOP: definition must be 3 to 4 words \n"},
      {"ENDLOOP N", 316, "LOOP: definition must start with LOOP keyword \n"},
      {"UNDEF A B", 317, "UNDEF: definition must be 2 words \n"},
  };
  for (const Case& c : cases) {
    const auto [number, where] = error_of([&] { check_def_lines(stmts({c.text})); });
    EXPECT_EQ(number, c.number) << c.text;
    if (c.number) {
      EXPECT_EQ(where, "File top.v: line 1: " + std::string(c.text) + "\n" + c.message);
    }
  }
}

}  // namespace
}  // namespace korvex
